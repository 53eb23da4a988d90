#include "pages/DlgMacro.h"

#include "framework/FileDialog.h"
#include "lang/win32/LocalText.h"
#include "pages/DlgMacroIds.h"
#include "pages/resource.h"
#include "platform/win32/WideText.h"

namespace {
constexpr wchar_t kMacroFilter[] = L"Macro(*.mc)|*.mc||";

}  // namespace

CDlgMacro::CDlgMacro(CDocMacroSet& macros, CDocProfileSet& profiles, CDeviceChannel& channel, const DocumentIo& io)
    : CSkinDialog(IDD_DLG_MACRO),
      io_(io),
      model_({macros, profiles, channel, recorder_}, *this),
      controls_({
          {macroLabel_, IDC_STATIC_MACRO, 377, 16, 68, 18, {u"IDC_STATIC_MACRO", u"Macro"}},
          {picker_, IDC_LIST_MACRO, 374, 39, 245, 37, {}, kKeepTextFlags, {}, {u"IDC_STATIC_MACRO", u"Macro"}},
          {new_, IDC_BTN_NEW_MACRO, 377, 80, 48, 34, {}, kKeepTextFlags, {u"ID_TIP_NEW_MACRO", u"New macro"}},
          {delete_, IDC_BTN_DELETE_MACRO, 426, 80, 48, 34, {}, kKeepTextFlags, {u"ID_TIP_DELETE_MACRO", u"Delete macro"}},
          {copy_, IDC_BTN_COPY_MACRO, 474, 80, 48, 34, {}, kKeepTextFlags, {u"ID_TIP_COPY_MACRO", u"Copy macro"}},
          {export_, IDC_BTN_EXPORT_MACRO, 524, 80, 47, 34, {}, kKeepTextFlags, {u"ID_TIP_EXPORT_MACRO", u"Export macro"}},
          {import_, IDC_BTN_IMPORT_MACRO, 572, 80, 47, 34, {}, kKeepTextFlags, {u"ID_TIP_IMPORT_MACRO", u"Import macro"}},
          {nameLabel_, IDC_STATIC_MACRO_NAME, 377, 127, 80, 13, {u"IDC_STATIC_MACRO_NAME", u"Macro Name"}},
          {name_, IDC_EDIT_MACRO_NAME, 385, 156, 233, 23},
          {record_, IDC_BTN_RECORD_MACRO, 375, 202, 245, 37},
          {recordTime_, IDC_CHK_MACRO_RECORD_TIME, 380, 258, 99, 24, {u"IDC_CHK_MACRO_RECORD_TIME", u"Record Time"}},
          {events_, IDC_LIST_MACRO_EVENTS, 78, 19, 262, 278},
      }) {
    LoadImages(u"Macro", {SkinState::Normal, SkinState::Disable, SkinState::DisableSelected, SkinState::Over,
                          SkinState::OverSelected, SkinState::Selected});
    SetMaskOf(u"Macro");
}

BOOL CDlgMacro::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    events_.LoadBackground();
    controls_.Place(*this);
    events_.LoadRowButtonImage();
    events_.LoadIndicatorImage();
    model_.Fill();
    Refresh();
    return TRUE;
}

void CDlgMacro::ApplyLanguage() {
    controls_.ApplyLanguage();
    record_.SetText(model_.IsRecording() ? LocalText(u"IDC_BTN_STOP_RECORD", u"Stop")
                                         : LocalText(u"IDC_BTN_RECORD_MACRO", u"Record"));
    events_.SetRowButtonTips({LocalText(u"ID_TIP_EDIT_EVENT", u"Edit event"),
                              LocalText(u"ID_TIP_DELETE_EVENT", u"Delete event"),
                              LocalText(u"ID_TIP_EVENT_UP", u"Move event up"),
                              LocalText(u"ID_TIP_EVENT_DOWN", u"Move event down")});
}

std::u16string CDlgMacro::TypedName() const { return U16(name_.Text()); }

void CDlgMacro::ShowName(const std::u16string& name) { name_.SetText(Wide(name)); }

bool CDlgMacro::RecordTime() const { return recordTime_.Ticked() == BST_CHECKED; }

void CDlgMacro::Refresh() {
    if (listed_ != model_.Items()) {
        listed_ = model_.Items();
        picker_.List().ResetContent();
        for (const std::u16string& name : listed_) picker_.AddItem(Wide(name));
    }
    picker_.SelectItem(model_.Selected());
    const bool recording = model_.IsRecording();
    for (const CWnd* control : {static_cast<const CWnd*>(&copy_), static_cast<const CWnd*>(&delete_),
                                static_cast<const CWnd*>(&export_), static_cast<const CWnd*>(&name_),
                                static_cast<const CWnd*>(&record_)})
        control->Enable(model_.HasMacro());
    recordTime_.Enable(model_.HasMacro() && !recording);
    record_.SetText(recording ? LocalText(u"IDC_BTN_STOP_RECORD", u"Stop")
                              : LocalText(u"IDC_BTN_START_RECORD", u"Record"));
    events_.SetRecording(recording);
}

void CDlgMacro::NewMacro() {
    model_.New();
    Refresh();
}

void CDlgMacro::ToggleRecording() {
    model_.ToggleRecording();
    Refresh();
}

bool CDlgMacro::OnCommand(WPARAM wp, LPARAM lp) {
    const WORD code = HIWORD(wp);
    switch (LOWORD(wp)) {
    case IDC_LIST_MACRO:
        if (code == CBtnListBox::kSelChange) model_.Choose(picker_.List().GetCurSel());
        break;
    case IDC_BTN_NEW_MACRO:
        model_.New();
        break;
    case IDC_BTN_COPY_MACRO:
        model_.Copy();
        break;
    case IDC_BTN_DELETE_MACRO:
        model_.Delete();
        break;
    case IDC_BTN_EXPORT_MACRO:
        Export();
        break;
    case IDC_BTN_IMPORT_MACRO:
        Import();
        break;
    case IDC_BTN_RECORD_MACRO:
        model_.ToggleRecording();
        break;
    default:
        return CSkinDialog::OnCommand(wp, lp);
    }
    Refresh();
    return true;
}

// The dialog offers the name the macro has once the page is stored.
void CDlgMacro::Export() {
    model_.Store();
    Refresh();
    CFileDialog dialog(false, L"mc", Wide(model_.CurrentName()), OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST, kMacroFilter,
                       GetSafeHwnd());
    if (dialog.DoModal() == IDOK) (void)model_.Export(U16(dialog.GetPathName()), io_);  // failures are reported
}

void CDlgMacro::Import() {
    CFileDialog dialog(true, L"mc", L"", OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST, kMacroFilter, GetSafeHwnd());
    if (dialog.DoModal() == IDOK) (void)model_.Import(U16(dialog.GetPathName()), io_);
}

LRESULT CDlgMacro::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SHOWWINDOW:
        if (!wp) {
            model_.Store();
            Refresh();
        }
        break;
    case WM_DESTROY:
        model_.Close();
        break;
    }
    return CSkinDialog::WindowProc(msg, wp, lp);
}
