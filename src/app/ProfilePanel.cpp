#include "app/ProfilePanel.h"

#include <algorithm>

#include "app/resource.h"
#include "framework/FileDialog.h"
#include "model/DocProfileSet.h"
#include "ui/ProfileStrip.h"
#include "ui/ProgramLinks.h"
#include "platform/win32/WideText.h"

namespace {
constexpr wchar_t kProfileFilter[] = L"Profile(*.pf)|*.pf||";
constexpr wchar_t kProgramFilter[] = L"Program(*.exe)|*.exe||";

}  // namespace

CProfilePanel::CProfilePanel(CProfileStrip& strip, CProgramLinks& links, const DocumentIo& io)
    : strip_(strip),
      links_(links),
      io_(io),
      controls_({
          {profileLabel_, IDC_STATIC_PROFILE, 38, 171, 100, 18, {u"IDC_STATIC_PROFILE", u"Profile"}},
          {profiles_, IDC_LIST_PROFILE, 35, 192, 242, 36, {}, kKeepTextFlags, {}, {u"IDC_STATIC_PROFILE", u"Profile"}},
          {accelerators_, IDC_LIST_ACCELERATOR, 35, 400, 242, 36, {}, kKeepTextFlags, {}, {u"IDC_STATIC_ACCELERATOR", u"Accelerator"}},
          {new_, IDC_BTN_NEW, 36, 234, 47, 47, {}, kKeepTextFlags, {u"ID_TIP_NEW_PROFILE", u"New profile"}},
          {delete_, IDC_BTN_DELETE, 86, 234, 47, 47, {}, kKeepTextFlags, {u"ID_TIP_DELETE_PROFILE", u"Delete profile"}},
          {copy_, IDC_BTN_COPY, 134, 234, 47, 47, {}, kKeepTextFlags, {u"ID_TIP_COPY_PROFILE", u"Copy profile"}},
          {export_, IDC_BTN_EXPORT, 182, 234, 47, 47, {}, kKeepTextFlags, {u"ID_TIP_EXPORT_PROFILE", u"Export profile"}},
          {import_, IDC_BTN_IMPORT, 231, 234, 47, 47, {}, kKeepTextFlags, {u"ID_TIP_IMPORT_PROFILE", u"Import profile"}},
          {nameLabel_, IDC_STATIC_PROFILE_NAME, 38, 299, 81, 16, {u"IDC_STATIC_PROFILE_NAME", u"Profile Name"}},
          {name_, IDC_EDIT_PROFILE_NAME, 39, 323, 230, 24},
          {acceleratorLabel_, IDC_STATIC_ACCELERATOR, 38, 380, 81, 16, {u"IDC_STATIC_ACCELERATOR", u"Accelerator"}},
          {programLabel_, IDC_STATIC_PROGRAM, 38, 442, 160, 16, {u"IDC_STATIC_PROGRAM", u"Program"}},
          {program_, IDC_EDIT_PROGRAM, 39, 462, 160, 22},
          {browseProgram_, IDC_BTN_BROWSE_PROGRAM, 205, 459, 34, 27, {}, kKeepTextFlags,
           {u"ID_TIP_BROWSE_PROGRAM", u"Choose program"}},
          {clearProgram_, IDC_BTN_CLEAR_PROGRAM, 243, 459, 34, 27, {}, kKeepTextFlags,
           {u"ID_TIP_CLEAR_PROGRAM", u"Clear program"}},
      }) {}

void CProfilePanel::Attach(CDialogEx& dialog) {
    dialog_ = dialog.GetSafeHwnd();
    controls_.Place(dialog);
    // No accelerator, then Fn + 1 to Fn + 9: the item index is the profile's accelerator.
    accelerators_.AddItem(L" ");
    for (int digit = 1; digit <= 9; ++digit) accelerators_.AddItem(L"Fn + " + std::to_wstring(digit));
}

void CProfilePanel::ShowProfileList() {
    if (listed_ != strip_.Items()) {
        listed_ = strip_.Items();
        profiles_.List().ResetContent();
        for (const std::u16string& name : listed_) profiles_.AddItem(std::wstring(name.begin(), name.end()));
    }
    profiles_.SelectItem(strip_.Selected());
}

void CProfilePanel::Show() {
    const CDocProfileSet& profiles = strip_.Profiles();
    ShowProfileList();
    accelerators_.SelectItem(static_cast<int>(strip_.Accelerator()));
    ShowProgram();
    name_.SetText(std::wstring(profiles.currentName.begin(), profiles.currentName.end()));
    copy_.Enable(strip_.CanCopy());
    export_.Enable(strip_.CanCopy());
    delete_.Enable(strip_.CanDelete());
}

void CProfilePanel::ApplyLanguage() { controls_.ApplyLanguage(); }

bool CProfilePanel::OnCommand(WORD id, WORD code) {
    switch (id) {
    case IDC_LIST_PROFILE:
        if (code == CBtnListBox::kSelChange) strip_.Choose(profiles_.List().GetCurSel());
        return true;
    case IDC_LIST_ACCELERATOR:
        if (code == CBtnListBox::kSelChange)
            strip_.AcceleratorChanged(static_cast<uint32_t>(std::max(accelerators_.List().GetCurSel(), 0)));
        return true;
    case IDC_EDIT_PROFILE_NAME:
        if (code == EN_CHANGE) strip_.NameEdited(U16(name_.Text()));
        if (code == EN_KILLFOCUS) ConfirmName();
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
    case IDC_BTN_BROWSE_PROGRAM:
        BrowseProgram();
        return true;
    case IDC_BTN_CLEAR_PROGRAM:
        (void)links_.Unlink(strip_.Profiles().currentName);  // a file that cannot be written keeps the link
        ShowProgram();
        return true;
    case IDC_BTN_IMPORT:
        Import();
        return true;
    }
    return false;
}

bool CProfilePanel::OnEnter() {
    if (GetFocus() != name_.GetSafeHwnd()) return false;
    ConfirmName();
    return true;
}

void CProfilePanel::ConfirmName() {
    if (confirming_) return;
    confirming_ = true;
    // The edit's text reached the strip with each change (EN_CHANGE).
    if (strip_.ConfirmName()) ShowProfileList();
    // Refused: the edit shows the current name again.
    const std::u16string& current = strip_.Profiles().currentName;
    name_.SetText(std::wstring(current.begin(), current.end()));
    confirming_ = false;
}

void CProfilePanel::ShowProgram() {
    const std::u16string program = links_.ProgramOf(strip_.Profiles().currentName);
    program_.SetText(std::wstring(program.begin(), program.end()));
    clearProgram_.Enable(!program.empty());
}

void CProfilePanel::BrowseProgram() {
    CFileDialog dialog(true, L"exe", L"", OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST, kProgramFilter, dialog_);
    if (dialog.DoModal() != IDOK) return;
    (void)links_.Link(U16(dialog.GetPathName()), strip_.Profiles().currentName);
    ShowProgram();
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
