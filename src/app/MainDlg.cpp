#include "app/MainDlg.h"

#include <commctrl.h>

#include <algorithm>
#include <tuple>
#include <utility>

#include "lang/win32/LocalText.h"
#include "app/MainApp.h"
#include "app/resource.h"
#include "geometry/DpiScale.h"
#include "device/win32/WindowReportReceiver.h"
#include "framework/ModalMoment.h"
#include "ui/ActivityText.h"
#include "ui/ProfileRequest.h"
#include "platform/win32/UniqueResource.h"

namespace {
constexpr wchar_t kWebsite[] = L"https://velmora.example/";

// Messages that act on the pages, the profiles or the keyboard.
bool NeedsFinishedStart(UINT msg) {
    switch (msg) {
    case WM_COMMAND:
    case WM_SYSCOMMAND:
    case WM_CLOSE:
    case WM_COPYDATA:
    case WM_ENDSESSION:
    case CMainDlg::WM_TRAY_NOTIFY: return true;
    }
    return false;
}
}  // namespace

CMainDlg::CMainDlg()
    : CSkinDialog(IDD_MAIN_DIALOG),
      links_(CMainApp::Current().ProgramLinksPath(), *CMultiLanguage::codePage),
      elevation_(CMainApp::Current().Integrity()),
      activityWindow_(CMainApp::Current().Activity()),
      strip_(CMainApp::Current().ProfileSet(), CMainApp::Current().DocumentContext().prompt,
             ProfileSteps{*this, keyboard_, *this}),
      panel_(strip_, links_, CMainApp::Current().DocumentContext()),
      keyboard_(CMainApp::Current().ProfileSet(), CMainApp::Current().MacroSet(), CMainApp::Current().Channel(),
                CMainApp::Current().Services(), strip_, *this, CMainApp::Current().Activity()),
      keyboardPage_(KeyAssignmentContext{CMainApp::Current().ProfileSet(), CMainApp::Current().Channel(),
                                         [this](std::span<CKeyAction> keys) { keyboard_.EndActivations(keys); }},
                    CMainApp::Current().MacroSet()),
      macroPage_(CMainApp::Current().MacroSet(), CMainApp::Current().ProfileSet(), CMainApp::Current().Channel(),
                 CMainApp::Current().DocumentContext()),
      backlightPage_(CMainApp::Current().ProfileSet(), CMainApp::Current().Channel()),
      gamingPage_(CMainApp::Current().ProfileSet(), CMainApp::Current().Channel()),
      controls_({
          {settingsButton_, IDC_BTN_SETTINGS, 72, 98, 75, 31, {u"IDC_BTN_SETTINGS", u"Settings"}},
          {macroButton_, IDC_BTN_MACRO, 200, 98, 83, 31, {u"IDC_BTN_MACRO", u"Macro"}},
          {backlightButton_, IDC_BTN_BLACKLIGHT, 336, 98, 80, 31, {u"IDC_BTN_BLACKLIGHT", u"Blacklight"}},
          {gamingButton_, IDC_BTN_GAMING_MODE, 468, 98, 83, 31, {u"IDC_BTN_GAMING_MODE", u"Gaming Mode"}},
          {english_, IDC_BTN_ENGLISH, 765, 20, 83, 23, {u"IDC_BTN_ENGLISH", u"English"}, kTextFar},
          {chinese_, IDC_BTN_CHINESE, 765, 49, 83, 23, {u"IDC_BTN_CHINESE", u"Chinese"}, kTextFar},
          {korean_, IDC_BTN_KOREAN, 765, 76, 83, 23, {u"IDC_BTN_KOREAN", u"Korean"}, kTextFar},
          {minimize_, IDC_BTN_MINIMIZE, 972, 2, 32, 23, {}, kKeepTextFlags, {u"ID_TIP_MINIMIZE", u"Minimize"}},
          {close_, IDC_BTN_CLOSE, 1007, 2, 32, 23, {}, kKeepTextFlags,
           {u"ID_TIP_CLOSE", u"Close to the notification area"}},
          {website_, IDC_LINK_WEBSITE, 797, 458, 168, 30},
      }) {
    LoadImages(u"Main", {SkinState::Normal, SkinState::Disable, SkinState::Over, SkinState::Selected});
    SetMaskOf(u"Main");
}

void CMainDlg::StoreInto(CDocProfile& left) {
    // The keyboard page has nothing to store: Save put every key into the profile.
    backlightPage_.StoreInto(left);
    gamingPage_.StoreInto(left);
}

void CMainDlg::ShowProfile(CDocProfile& current, ProfileReason reason) {
    // A change the user asked for ends the profile the foreground program chose.
    if (IsUsersChoice(reason) || reason == ProfileReason::CommandLine) autoSwitch_.OnUserChange();
    keyboardPage_.AnnounceKeyNames();
    backlightPage_.ShowProfile(current);
    gamingPage_.ShowProfile(current);
    panel_.Show();
}

void CMainDlg::Renamed(const std::u16string& from, const std::u16string& to) {
    (void)links_.RenameProfile(from, to);  // a file that cannot be written keeps the old link
    autoSwitch_.RenameProfile(from, to);
}

void CMainDlg::Removed(const std::u16string& name) {
    (void)links_.Unlink(name);
    autoSwitch_.RemoveProfile(name);
}

// Only what the tray icon needs comes before it: the icon goes up when the
// modal run first shows the window, and the rest of the start follows as the
// first message of that run.
BOOL CMainDlg::OnInitDialog() {
    LoadIcons();
    tray_ = std::make_unique<CTrayIcon>(GetSafeHwnd(), WM_TRAY_NOTIFY, smallIcon_.Get(), LocalText(u"ID_TRAY_TIP", kTitle));
    // Run as administrator, the window still takes `/profile` from a copy
    // started normally, and hears of Explorer's restart.
    ChangeWindowMessageFilterEx(GetSafeHwnd(), WM_COPYDATA, MSGFLT_ALLOW, nullptr);
    ChangeWindowMessageFilterEx(GetSafeHwnd(), RegisterWindowMessageW(L"TaskbarCreated"), MSGFLT_ALLOW, nullptr);
    Post(WM_FINISH_START);
    return TRUE;
}

void CMainDlg::FinishStart() {
    if (started_) return;
    started_ = true;
    CSkinDialog::OnInitDialog();
    controls_.Place(*this);
    website_.SetFontSize(13);
    website_.SetLink(kWebsite);
    panel_.Attach(*this);
    CreatePages();
    // Reading order: the link sits below the pages, so Tab reaches it last.
    SetWindowPos(website_.GetSafeHwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetDragAnywhere(true);
    keyboard_.Attach(GetSafeHwnd());
    // Explorer starting again forgets the icon; it comes back while hidden.
    systemEvents_ = std::make_unique<CSystemEvents>(GetSafeHwnd(), keyboard_, [this] {
        if (!shown_) tray_->Add();
    });
    links_.Load();
    strip_.Fill();
    // The handshake and the first upload run on the channel's thread; the
    // window takes reports from then on, since it was attached first.
    keyboard_.Connect(GetSafeHwnd());
    foreground_ = std::make_unique<CForegroundWatcher>(
        [this](const std::u16string& program, bool own, DWORD process) { OnForeground(program, own, process); });
    // The language remembered in the file (set up by the application), or English.
    SetLanguage(u"");
    // The focus where the dialog would have put it, had the pages been
    // there at creation: in the keyboard page, never on the name edit,
    // where keys sent to a window that was left in front would type.
    if (const HWND first = GetNextDlgTabItem(keyboardPage_.GetSafeHwnd(), nullptr, FALSE))
        Send(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
}

// Children at fixed positions; the keyboard page shows first.
void CMainDlg::CreatePages() {
    const struct {
        CSkinDialog& page;
        int x, y;
    } pages[] = {{keyboardPage_, 282, 160}, {macroPage_, 292, 155}, {backlightPage_, 280, 160}, {gamingPage_, 280, 160}};
    for (const auto& p : pages) {
        p.page.Create(GetSafeHwnd());
        Place(p.page, {p.x, p.y, 0, 0});
        p.page.Show(SW_HIDE);
    }
    ShowPage(keyboardPage_);
}

std::array<CSkinDialog*, 4> CMainDlg::Pages() { return {&keyboardPage_, &macroPage_, &backlightPage_, &gamingPage_}; }

void CMainDlg::ShowPage(CSkinDialog& page) {
    if (currentPage_ == &page) return;
    currentPage_ = &page;
    for (CSkinDialog* p : Pages()) p->Show(p == &page ? SW_SHOW : SW_HIDE);
}

// The focus goes into the page shown: a control of a hidden page keeps none.
void CMainDlg::StepPage(bool back) {
    const auto pages = Pages();
    const auto at = static_cast<std::size_t>(std::find(pages.begin(), pages.end(), currentPage_) - pages.begin());
    CSkinDialog& next = *pages[(at + (back ? pages.size() - 1 : 1)) % pages.size()];
    ShowPage(next);
    if (const HWND first = GetNextDlgTabItem(next.GetSafeHwnd(), nullptr, FALSE))
        Send(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
}

bool CMainDlg::PreTranslateMessage(MSG& msg) {
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
        StepPage(GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    return CSkinDialog::PreTranslateMessage(msg);
}

void CMainDlg::ApplyLanguage() {
    const std::wstring title = LocalText(u"ID_TRAY_TIP", kTitle);
    SetText(title);
    tray_->SetTip(title);
    controls_.ApplyLanguage();
    ShowItemsInSystemMenu();
    activityWindow_.ApplyLanguage();
    panel_.ApplyLanguage();
    keyboardPage_.SetLanguage(languageName);
    macroPage_.SetLanguage(languageName);
    backlightPage_.SetLanguage(languageName);
    gamingPage_.SetLanguage(languageName);
}

namespace {
// The program's icon `pixels` square, from the nearest of its 16 to 64 px
// images.
UniqueIcon ProgramIcon(int pixels) {
    return UniqueIcon(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, pixels, pixels, 0)));
}
}  // namespace

// The sizes the window's DPI asks for (32 and 16 px at 96 DPI); the window
// and the tray take the new icons before the old ones go.
void CMainDlg::LoadIcons() {
    UniqueIcon big = ProgramIcon(ScaleLength(32, Dpi())), small = ProgramIcon(ScaleLength(16, Dpi()));
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.Get()));
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.Get()));
    if (tray_) tray_->SetIcon(small.Get());
    icon_ = std::move(big);
    smallIcon_ = std::move(small);
}

LRESULT CMainDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    // What another thread or process sends comes before the posted rest of
    // the start; whatever acts on the window's state waits for that rest.
    if (msg == WM_FINISH_START || NeedsFinishedStart(msg)) FinishStart();
    if (systemEvents_)
        if (const std::optional<LRESULT> result = systemEvents_->OnMessage(msg, wp, lp)) return *result;
    switch (msg) {
    case WM_CLOSE:
        HideToTray();
        return 0;
    case WM_SYSCOMMAND:
        if ((wp & 0xFFF0) == SC_CLOSE) HideToTray();
        if ((wp & 0xFFF0) == kStopMacrosItem) StopAllMacros();
        if ((wp & 0xFFF0) == kActivityItem) activityWindow_.Open();
        break;
    case WM_WINDOWPOSCHANGING:
        OnWindowPosChanging(*reinterpret_cast<WINDOWPOS*>(lp));
        break;
    case WM_TRAY_NOTIFY:
        return OnTrayNotify(wp, lp);
    case WM_PAINT:
        if (IsIconic(GetSafeHwnd())) {
            PaintIcon();
            return 0;
        }
        break;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(icon_.Get());
    case WM_ENDSESSION:
        (void)keyboard_.ReleaseAll();
        macroPage_.Store();
        CMainApp::Current().SaveDocuments();
        return 0;
    case WM_DESTROY:
        Show(SW_HIDE);
        if (tray_) tray_->Delete();
        foreground_.reset();
        activityWindow_.DestroyWindow();
        systemEvents_.reset();
        keyboard_.Detach();
        break;
    case WM_COPYDATA:
        return OnProfileRequest(*reinterpret_cast<const COPYDATASTRUCT*>(lp));
    case WM_DEVICE_REPORT:
        return keyboard_.OnDeviceReport(wp, lp);
    case WM_DEVICECHANGE:
        keyboard_.OnDeviceChange(wp, lp);
        return TRUE;
    case WM_BRIGHTNESS_STEP:
        keyboard_.OnBrightnessStepMessage(wp);
        return 0;
    case WM_DPICHANGED:
        CSkinDialog::WindowProc(msg, wp, lp);
        LoadIcons();
        return 0;
    case WM_LINK_OPENED:
        keyboard_.OnLinkOpened();
        return 0;
    case WM_FINISH_START:
        return 0;
    }
    return CSkinDialog::WindowProc(msg, wp, lp);
}

bool CMainDlg::OnCommand(WPARAM wp, LPARAM lp) {
    switch (LOWORD(wp)) {
    case IDC_BTN_MINIMIZE:
        Show(SW_MINIMIZE);
        return true;
    case IDC_BTN_CLOSE:
        HideToTray();
        return true;
    case LOWORD(kExitItem):
        Exit();
        return true;
    case kStopMacrosItem:
        StopAllMacros();
        return true;
    case kActivityItem:
        activityWindow_.Open();
        return true;
    case kRestartAdminItem:
        RestartAsAdministrator();
        return true;
    case IDC_BTN_SETTINGS:
        ShowPage(keyboardPage_);
        return true;
    case IDC_BTN_MACRO:
        ShowPage(macroPage_);
        return true;
    case IDC_BTN_BLACKLIGHT:
        ShowPage(backlightPage_);
        return true;
    case IDC_BTN_GAMING_MODE:
        ShowPage(gamingPage_);
        return true;
    case IDC_BTN_ENGLISH:
        SetLanguage(u"English");
        return true;
    case IDC_BTN_CHINESE:
        SetLanguage(u"Chinese");
        return true;
    case IDC_BTN_KOREAN:
        SetLanguage(u"Korean");
        return true;
    }
    if (panel_.OnCommand(LOWORD(wp), HIWORD(wp))) return true;
    return CSkinDialog::OnCommand(wp, lp);
}

// Minimized: the icon centred on the erased background.
void CMainDlg::PaintIcon() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(GetSafeHwnd(), &paint);
    Send(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc));
    const RECT client = ClientRect();
    const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, icon_.Get());
    EndPaint(GetSafeHwnd(), &paint);
}

LRESULT CMainDlg::OnProfileRequest(const COPYDATASTRUCT& data) {
    const std::optional<std::u16string> name = DecodeProfileRequest(data.dwData, data.lpData, data.cbData);
    if (!name) return 0;
    // Under an open question or dialog, or while recording, nothing changes.
    if (ModalMoment::Active() || keyboard_.IsRecording()) return kProfileBusy;
    if (!strip_.Select(*name, ProfileReason::CommandLine)) return kProfileUnknown;
    AnnounceProfile();
    return kProfileSwitched;
}

void CMainDlg::OnForeground(const std::u16string& program, bool own, DWORD process) {
    CDocProfileSet& profiles = CMainApp::Current().ProfileSet();
    const auto linkOf = [&](const std::u16string& p) -> std::optional<std::u16string> {
        std::optional<std::u16string> linked = links_.ProfileFor(p);
        if (linked && profiles.Find(*linked) == nullptr) linked.reset();  // a link to a missing profile
        return linked;
    };
    // The activity keeps the last program of another process in front.
    const CElevationWatch::Verdict verdict = elevation_.OnForeground(program, process, own, !shown_ && tray_);
    CActivity& activity = CMainApp::Current().Activity();
    if (own)
        activity.OwnWindowInFront();
    else
        activity.Foreground(program, linkOf(program).value_or(u""), verdict.elevated);
    if (verdict.balloon) {
        const std::u16string text = AdministratorBalloon(program);
        tray_->ShowBalloon(std::wstring(text.begin(), text.end()));
    }
    const bool blocked = ModalMoment::Active() || keyboard_.IsRecording();
    const std::optional<std::u16string> target =
        autoSwitch_.OnForeground(program, own, blocked, profiles.currentName, linkOf);
    if (!target) return;
    if (strip_.Select(*target, ProfileReason::Automatic)) AnnounceProfile();
}

void CMainDlg::AnnounceProfile() {
    if (shown_ || !tray_) return;
    const std::u16string& name = CMainApp::Current().ProfileSet().currentName;
    const std::u16string text = GetTextWith(u"ID_BALLOON_PROFILE", u"Profile: %s", name);
    tray_->ShowBalloon(std::wstring(text.begin(), text.end()));
}

void CMainDlg::HideToTray() {
    shown_ = false;
    HideTipsOf(GetSafeHwnd());
    Show(SW_HIDE);
    tray_->Add();
}

// While hidden to the tray, any attempt to show the window (the dialog's
// first show, another copy bringing it forward) adds the tray icon instead.
void CMainDlg::OnWindowPosChanging(WINDOWPOS& pos) {
    if (shown_ || !(pos.flags & SWP_SHOWWINDOW)) return;
    pos.flags &= ~SWP_SHOWWINDOW;
    if (tray_) tray_->Add();
}

LRESULT CMainDlg::OnTrayNotify(WPARAM wp, LPARAM lp) {
    if (wp != CTrayIcon::kId) return 1;
    switch (lp) {
    case WM_LBUTTONDBLCLK:
        shown_ = true;
        Show(SW_SHOWNORMAL);
        // Painted before the icon goes: removing it can wait on the shell
        // (two seconds under Wine without a notification area).
        RedrawWindow(GetSafeHwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        tray_->Delete();
        break;
    case WM_RBUTTONUP:
        if (!exiting_) ShowTrayMenu();
        break;
    }
    return 0;
}

// Activity first, Exit last.
void CMainDlg::ShowTrayMenu() {
    POINT at{};
    GetCursorPos(&at);
    SetForegroundWindow(GetSafeHwnd());
    const UniqueMenu menu(CreatePopupMenu());
    AppendMenuW(menu.Get(), MF_STRING, kActivityItem, LocalText(u"ID_ACTIVITY", u"Activity").c_str());
    if (elevation_.RestartOffered())
        AppendMenuW(menu.Get(), MF_STRING, kRestartAdminItem,
                    LocalText(u"ID_RESTART_ADMIN", u"Restart as administrator").c_str());
    AppendMenuW(menu.Get(), MF_STRING, kStopMacrosItem, LocalText(u"ID_STOP_ALL_MACROS", u"Stop all macros").c_str());
    AppendMenuW(menu.Get(), MF_STRING, kExitItem, LocalText(u"ID_EXIT_APP", u"Exit").c_str());
    TrackPopupMenu(menu.Get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, at.x, at.y, 0, GetSafeHwnd(), nullptr);
    // Lets the menu close properly when the user clicks elsewhere.
    Post(WM_NULL);
}

void CMainDlg::ShowItemsInSystemMenu() {
    HMENU system = GetSystemMenu(GetSafeHwnd(), FALSE);
    for (const auto& [item, id, english] : {std::tuple{kActivityItem, u"ID_ACTIVITY", u"Activity"},
                                            std::tuple{kStopMacrosItem, u"ID_STOP_ALL_MACROS", u"Stop all macros"}}) {
        const std::wstring text = LocalText(id, english);
        if (!ModifyMenuW(system, item, MF_BYCOMMAND | MF_STRING, item, text.c_str()))
            AppendMenuW(system, MF_STRING, item, text.c_str());
    }
}

// Nothing changes when the user refuses elevation; otherwise this run ends
// as Exit ends it (saved, channel closed) and the new copy takes over.
void CMainDlg::RestartAsAdministrator() {
    if (exiting_) return;
    (void)CMainApp::Current().RestartAsAdministrator([this] { Exit(); });
}

// What actions hold is let go even when the system refuses it now: the
// refused releases go again at the next release.
void CMainDlg::StopAllMacros() { (void)keyboard_.ReleaseAll(); }

// Ends the modal run through the framework's own cancel, not the overridden
// one that ignores Escape.
void CMainDlg::Exit() {
    (void)keyboard_.ReleaseAll();
    exiting_ = true;
    // What the macro page shows goes into the macro set before it is saved.
    macroPage_.Store();
    CSkinDialog::OnCancel();
    exiting_ = false;
}
