#include "pages/DlgKA.h"

#include "lang/win32/LocalText.h"

CDlgKA::CDlgKA(UINT templateId, std::u16string_view imageSet, std::initializer_list<SkinState> states)
    : CSkinDialog(templateId) {
    LoadImages(imageSet, states);
    SetMaskOf(u"ActionKA");
}

std::wstring LocalTextOf(std::string_view id, std::u16string_view english) {
    return LocalText(std::u16string(id.begin(), id.end()), english);
}

std::wstring LocalTextOf(std::u16string_view id, std::u16string_view english) { return LocalText(id, english); }
