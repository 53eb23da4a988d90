#include "app/ProfilePanel.h"

#include "app/LocalText.h"
#include "app/resource.h"
#include "framework/FileDialog.h"
#include "model/DocProfileSet.h"
#include "ui/ProfileStrip.h"

namespace {
constexpr wchar_t kProfileFilter[] = L"Profile(*.pf)|*.pf||";

std::u16string U16(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }
}  // namespace

void CProfilePanel::Attach(CWnd& dialog) {
    dialog_ = dialog.GetSafeHwnd();
    const struct {
        CWnd& control;
        UINT id;
        int x, y, w, h;
    } placed[] = {
        {profileLabel_, IDC_STATIC_PROFILE, 38, 171, 100, 18},
        {new_, IDC_BTN_NEW, 36, 234, 47, 47},
        {delete_, IDC_BTN_DELETE, 86, 234, 47, 47},
        {copy_, IDC_BTN_COPY, 134, 234, 47, 47},
        {export_, IDC_BTN_EXPORT, 182, 234, 47, 47},
        {import_, IDC_BTN_IMPORT, 231, 234, 47, 47},
        {nameLabel_, IDC_STATIC_PROFILE_NAME, 38, 299, 81, 16},
        {name_, IDC_EDIT_PROFILE_NAME, 39, 323, 230, 24},
        {acceleratorLabel_, IDC_STATIC_ACCELERATOR, 38, 380, 81, 16},
    };
    for (const auto& p : placed) {
        p.control.SubclassDlgItem(p.id, dialog);
        p.control.Move(p.x, p.y, p.w, p.h);
    }
}

void CProfilePanel::Show() {
    const CDocProfileSet& profiles = strip_.Profiles();
    name_.SetText(std::wstring(profiles.currentName.begin(), profiles.currentName.end()));
    copy_.Enable(strip_.CanCopy());
    export_.Enable(strip_.CanCopy());
    delete_.Enable(strip_.CanDelete());
}

void CProfilePanel::ApplyLanguage() {
    profileLabel_.SetText(LocalText(u"IDC_STATIC_PROFILE", u"Profile"));
    nameLabel_.SetText(LocalText(u"IDC_STATIC_PROFILE_NAME", u"Profile Name"));
    acceleratorLabel_.SetText(LocalText(u"IDC_STATIC_ACCELERATOR", u"Accelerator"));
}

bool CProfilePanel::OnCommand(WORD id, WORD code) {
    switch (id) {
    case IDC_EDIT_PROFILE_NAME:
        if (code == EN_CHANGE) strip_.NameEdited(U16(name_.Text()));
        return true;
    case IDC_BTN_NEW:
        strip_.NewProfile();
        return true;
    case IDC_BTN_DELETE:
        strip_.DeleteProfile();
        return true;
    case IDC_BTN_COPY:
        strip_.CopyProfile();
        return true;
    case IDC_BTN_EXPORT:
        Export();
        return true;
    case IDC_BTN_IMPORT:
        Import();
        return true;
    }
    return false;
}

void CProfilePanel::Export() {
    const std::u16string& current = strip_.Profiles().currentName;
    CFileDialog dialog(false, L"pf", std::wstring(current.begin(), current.end()),
                       OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST, kProfileFilter, dialog_);
    if (dialog.DoModal() == IDOK) (void)strip_.ExportProfile(U16(dialog.GetPathName()), io_);  // failures are reported
}

void CProfilePanel::Import() {
    CFileDialog dialog(true, L"pf", L"", OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST, kProfileFilter, dialog_);
    if (dialog.DoModal() == IDOK) (void)strip_.ImportProfile(U16(dialog.GetPathName()), io_);
}
