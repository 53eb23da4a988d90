#pragma once
// The application's main window (the Activity window is the only other
// top-level one). It starts hidden with only its tray icon; a double click
// on the icon shows it, closing it hides it again, and only Exit in the tray
// menu ends its modal run. It receives everything that comes from the
// keyboard and shows the texts of the chosen language. It hosts the four
// configuration pages and shows one at a time.
#include <array>
#include <memory>
#include <string_view>

#include "app/ActivityWindow.h"
#include "app/ForegroundWatcher.h"
#include "app/MainKeyboard.h"
#include "app/ProfilePanel.h"
#include "app/SystemEvents.h"
#include "app/TrayIcon.h"
#include "framework/ControlPlace.h"
#include "lang/MultiLanguage.h"
#include "platform/win32/UniqueResource.h"
#include "pages/DlgBlacklight.h"
#include "pages/DlgGamingMode.h"
#include "pages/DlgMacro.h"
#include "pages/DlgSettings.h"
#include "ui/AutoSwitch.h"
#include "ui/Elevation.h"
#include "ui/ProfileStrip.h"
#include "ui/ProgramLinks.h"
#include "skin/SkinButton.h"
#include "skin/SkinDialog.h"
#include "skin/SkinHyperLink.h"

class CMainDlg : public CSkinDialog,
                 public CMultiLanguage,
                 private IProfilePages,
                 private IProfileNames,
                 private IKeyboardPages {
public:
    static constexpr UINT WM_TRAY_NOTIFY = WM_USER + 10;
    // Posted by OnInitDialog: the start after the tray icon.
    static constexpr UINT WM_FINISH_START = WM_USER + 105;
    // The tray menu's Exit item; its command arrives as the low 16 bits.
    static constexpr UINT kExitItem = 1000000;
    // "Stop all macros" in the tray menu and in the system menu: low 16 bits
    // that no control id has, a multiple of 16 below 0xF000 as system
    // commands must be.
    static constexpr UINT kStopMacrosItem = 0x4250;
    // "Activity" (tray menu and system menu) and "Restart as administrator"
    // (tray menu), by the same rule.
    static constexpr UINT kActivityItem = 0x4260;
    static constexpr UINT kRestartAdminItem = 0x4270;

    CMainDlg();
    bool IsShown() const { return shown_; }
    // The window title and the tray tip.
    void ApplyLanguage() override;

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    // Ctrl+Tab and Ctrl+Shift+Tab go through the four pages.
    bool PreTranslateMessage(MSG& msg) override;
    bool OnCommand(WPARAM wp, LPARAM lp) override;
    // Enter and Escape that no control takes do nothing (a focused control
    // whose focus mark shows takes Enter).
    // Enter confirms the profile name edit when it has the focus.
    void OnOK() override { (void)panel_.OnEnter(); }
    void OnCancel() override {}

private:
    static constexpr std::u16string_view kTitle = u"Velmora Gaming Keyboard";

    // The profile change's steps: the pages store into the profile left and
    // show the one made current; links follow a profile's name.
    void StoreInto(CDocProfile& left) override;
    void ShowProfile(CDocProfile& current, ProfileReason reason) override;
    void Renamed(const std::u16string& from, const std::u16string& to) override;
    void Removed(const std::u16string& name) override;

    void LoadIcons();
    void PaintIcon();
    // The foreground program changed: its linked profile, or the one before.
    // It also tells whether the program runs as administrator.
    void OnForeground(const std::u16string& program, bool own, DWORD process);
    // WM_COPYDATA from a second copy started with `/profile NAME`.
    LRESULT OnProfileRequest(const COPYDATASTRUCT& data);
    // A profile change the user did not make in the window shows a balloon
    // from the tray icon while the window is hidden.
    void AnnounceProfile() override;
    // The keyboard's Fn functions reach the pages.
    void ShowBacklight(CDocProfile& current) override { backlightPage_.ShowProfile(current); }
    void ShowGaming(CDocProfile& current) override { gamingPage_.ShowProfile(current); }
    bool IsRecordingMacro() const override { return macroPage_.IsRecording(); }
    void NewMacro() override { macroPage_.NewMacro(); }
    void ToggleRecording() override { macroPage_.ToggleRecording(); }
    void HideToTray();
    LRESULT OnTrayNotify(WPARAM wp, LPARAM lp);
    void ShowTrayMenu();
    // "Activity" and "Stop all macros" on the window's system menu, in the
    // language shown.
    void ShowItemsInSystemMenu();
    // The elevated copy started: this run ends; refused: nothing changes.
    void RestartAsAdministrator();
    void StopAllMacros();
    void Exit();
    void OnWindowPosChanging(WINDOWPOS& pos);
    // Everything of the start that the tray icon need not wait for; once.
    void FinishStart();
    void CreatePages();
    // The page becomes the one on show; nothing when it already is.
    void ShowPage(CSkinDialog& page);
    // The page after (before) the one on show, in the order of their buttons.
    void StepPage(bool back);
    std::array<CSkinDialog*, 4> Pages();

    bool shown_ = false;
    bool exiting_ = false;
    bool started_ = false;
    UniqueIcon icon_;
    UniqueIcon smallIcon_;
    std::unique_ptr<CTrayIcon> tray_;
    CSkinButton settingsButton_;
    CSkinButton macroButton_;
    CSkinButton backlightButton_;
    CSkinButton gamingButton_;
    CSkinButton minimize_;
    CSkinButton close_;
    CSkinButton english_;
    CSkinButton chinese_;
    CSkinButton korean_;
    CSkinHyperLink website_;
    CProgramLinks links_;
    CAutoSwitch autoSwitch_;
    CElevationWatch elevation_;
    CActivityWindow activityWindow_;
    std::unique_ptr<CForegroundWatcher> foreground_;
    std::unique_ptr<CSystemEvents> systemEvents_;
    CProfileStrip strip_;
    CProfilePanel panel_;
    CMainKeyboard keyboard_;
    CDlgSettings keyboardPage_;
    CDlgMacro macroPage_;
    CDlgBlacklight backlightPage_;
    CDlgGamingMode gamingPage_;
    CSkinDialog* currentPage_ = nullptr;
    CControlTable controls_;
};
