#include "pages/DlgKALaunchApp.h"

#include "framework/ControlPlace.h"
#include "framework/FileDialog.h"
#include "pages/KeyPageResource.h"
#include "platform/win32/WideText.h"

namespace {

// The whole text, with the caret after its last character and in view.
void SetTextCaretAtEnd(CSkinEdit& edit, const std::wstring& text) {
    edit.SetText(text);
    const int end = static_cast<int>(text.size());
    edit.SetSel(end, end);
    edit.Send(EM_SCROLLCARET);
}
}  // namespace

CDlgKALaunchApp::CDlgKALaunchApp()
    : CDlgKA(IDD_DLG_KA_LAUNCH, u"ActionLaunchApp",
             {SkinState::Normal, SkinState::Over, SkinState::Disable, SkinState::Selected, SkinState::OverSelected}),
      controls_({
          {program_, IDC_RADIO_LAUNCH_APP, 62, 18, 164, 23, {u"IDC_STATIC_LAUNCH1", u"LAUNCH APPLICATION"}},
          {web_, IDC_RADIO_LAUNCH_WEB, 62, 89, 164, 23, {u"IDC_STATIC_LAUNCH2", u"LAUNCH WEBSIT"}},
          {path_, IDC_EDIT_LAUNCH_APP, 62, 50, 237, 24},
          {address_, IDC_EDIT_LAUNCH_WEB, 62, 120, 237, 24},
          {browse_, IDC_BTN_BROWSE, 300, 47, 38, 29, {}, kKeepTextFlags, {u"ID_TIP_BROWSE_PROGRAM", u"Choose program"}},
      }) {}

BOOL CDlgKALaunchApp::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    controls_.Place(*this);
    ApplyLanguage();
    return TRUE;
}

void CDlgKALaunchApp::ApplyLanguage() { controls_.ApplyLanguage(); }

void CDlgKALaunchApp::EnableEdits() const {
    path_.Enable(ProgramChosen());
    address_.Enable(!ProgramChosen());
}

void CDlgKALaunchApp::SaveTo(CKeyAction& action) {
    action.programPath = U16(path_.Text());
    action.webAddress = U16(address_.Text());
    action.launchType = ProgramChosen() ? kLaunchProgram : kLaunchWeb;
}

void CDlgKALaunchApp::LoadFrom(const CKeyAction& action) {
    SetTextCaretAtEnd(path_, Wide(action.programPath));
    SetTextCaretAtEnd(address_, Wide(action.webAddress));
    (action.launchType == kLaunchWeb ? web_ : program_).Send(BM_SETCHECK, BST_CHECKED);
    EnableEdits();
}

// The owner of the file dialog is the key assignment dialog, which it
// disables while it is open.
void CDlgKALaunchApp::Browse() {
    CFileDialog dialog(true, L"exe", path_.Text(), OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST,
                       L"Executed Files(*.exe)|*.exe||", GetAncestor(GetSafeHwnd(), GA_ROOT));
    if (dialog.DoModal() != IDOK) return;
    SetTextCaretAtEnd(path_, dialog.GetPathName());
    SetFocus(path_.GetSafeHwnd());
}

bool CDlgKALaunchApp::OnCommand(WPARAM wp, LPARAM lp) {
    if (HIWORD(wp) == BN_CLICKED) {
        switch (LOWORD(wp)) {
        case IDC_RADIO_LAUNCH_APP:
        case IDC_RADIO_LAUNCH_WEB:
            EnableEdits();
            return true;
        case IDC_BTN_BROWSE:
            Browse();
            return true;
        }
    }
    return CDlgKA::OnCommand(wp, lp);
}
