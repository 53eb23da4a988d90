#include "pages/DlgKAMedia.h"

#include "model/MediaFunction.h"
#include "pages/KeyPageResource.h"

CDlgKAMedia::CDlgKAMedia()
    : CDlgKAChoice({IDD_DLG_KA_MEDIA, u"ActionMedia", IDC_STATIC_MULTIMEDIA, {21, 15, 81, 18}, u"IDC_STATIC_MULTIMEDIA",
                    u"MULTIMEDIA", IDC_LIST_MEDIA, {98, 41, 186, 28}}) {}

void CDlgKAMedia::FillRows() { FillChoices(choices_, kMediaFunctions); }

void CDlgKAMedia::SaveTo(CKeyAction& action) {
    const int chosen = Chosen(choices_);
    if (chosen >= 0) WriteMediaFunction(action, static_cast<std::size_t>(chosen));
}

void CDlgKAMedia::LoadFrom(const CKeyAction& action) {
    if (const std::optional<std::size_t> media = ReadMediaFunction(action)) choices_.SelectItem(static_cast<int>(*media));
}
