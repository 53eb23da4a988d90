#pragma once
// The main window's keyboard side: it sends the current profile to the
// keyboard when the profile strip makes it current, turns the keyboard's reports into actions through the
// dispatcher, follows the keyboard's arrival and removal, and handles the
// brightness steps of a held Fn brightness key. It owns the one ledger of
// what the program holds down (the dispatcher's): ReleaseAll empties it,
// and so do a removal of the keyboard, the recorder's hook going in and a
// crash, from Attach to Detach.
//
// Threads: the user-interface thread. StepBrightness is called on repeat
// threads and reaches that thread through SendMessageW.
#include <windows.h>

#include <atomic>
#include <functional>
#include <optional>

#include "actions/Dispatcher.h"
#include "actions/KeyboardHost.h"
#include "app/CrashRelease.h"
#include "device/win32/DeviceNotification.h"
#include "ui/ProfileChangeSteps.h"

class CActivity;
class CDocMacroSet;
class CProfileStrip;
class IClock;

// wParam: the step as a signed integer (+1 or -1); lParam 0; result 0.
constexpr UINT WM_BRIGHTNESS_STEP = WM_USER + 103;
// The start-up's opening of the channel has ended; wParam, lParam 0.
constexpr UINT WM_LINK_OPENED = WM_USER + 104;

// What the window does for the keyboard's Fn functions.
class IKeyboardPages {
public:
    virtual ~IKeyboardPages() = default;
    // Fn+F10 and the brightness steps changed the profile: its page shows it.
    virtual void ShowBacklight(CDocProfile& current) = 0;
    virtual void ShowGaming(CDocProfile& current) = 0;
    // Fn + digit made a profile current.
    virtual void AnnounceProfile() = 0;
    // The macro page: recording a macro (not an edit of its event list),
    // and its New and Record buttons for Fn+F9.
    virtual bool IsRecordingMacro() const = 0;
    virtual void NewMacro() = 0;
    virtual void ToggleRecording() = 0;
};

class CMainKeyboard final : public CKeyboardHost, public IProfileKeyboard {
public:
    // Everything given must outlive this object. Fn + digit selects
    // profiles through `strip`. The activity hears of profile changes and of
    // the keyboard's connection.
    CMainKeyboard(CDocProfileSet& profiles, CDocMacroSet& macros, CDeviceChannel& channel,
                  const ActionServices& services, CProfileStrip& strip, IKeyboardPages& pages, CActivity& activity);

    // The window exists: reports and device notifications go to it from now on.
    void Attach(HWND window);
    // Start-up: the channel opens and the current profile goes to the
    // keyboard on the channel's own thread, so that the window (and its tray
    // icon) need not wait for the handshake; WM_LINK_OPENED to `window`
    // follows. Without the keyboard the program runs on; its arrival is
    // handled later.
    void Connect(HWND window);
    // WM_LINK_OPENED: the activity shows how the keyboard is linked.
    void OnLinkOpened();
    // The window is being destroyed: reports are ignored, notifications end,
    // every running action is ended and waited for, and what is held let go.
    void Detach();

    // Ends every running action where it stands and lets go of every key
    // and button held; true when the system took every release (a locked
    // desktop refuses them: they are sent again on the next call).
    bool ReleaseAll() { return dispatcher_.ReleaseAll(); }
    // The keyboard and the program come back (arrival, resume, unlock): the
    // link is opened again if it was lost and the current profile goes to
    // the keyboard in one upload. No question is asked and no profile change
    // happens, so an automatic switch goes on. Nothing is sent while a macro
    // is recorded: the keyboard then intercepts nothing.
    void Reapply();
    // After resume the keyboard may come back by itself (an arrival): the
    // profile goes once, with that arrival if it comes within
    // kResumeSettleMs, else when that time is over.
    void ReapplyAfterResume();
    // WM_TIMER: true when it was the resume's wait.
    bool OnTimer(WPARAM id);

    // WM_DEVICE_REPORT: 1 when the report was processed, else 0. A failed
    // link counts as the keyboard's removal.
    LRESULT OnDeviceReport(WPARAM report, LPARAM length);
    // WM_DEVICECHANGE: the keyboard's interface arriving or going away.
    void OnDeviceChange(WPARAM event, LPARAM data);
    // WM_BRIGHTNESS_STEP.
    void OnBrightnessStepMessage(WPARAM step);
    // Before a profile's keys are deleted or overwritten.
    void EndActivations(std::span<CKeyAction> keys) override { dispatcher_.EndActivations(keys); }
    // A profile became current: what the actions hold is let go, and the
    // profile goes to the keyboard as `qornctl apply` sends it (at start-up
    // Connect sends it).
    void Apply(const CDocProfile& current, ProfileReason reason) override;

    // Fn + digit: the profile strip selects the profile.
    void SelectProfile(const std::u16string& name) override;

    // While the macro page records, no key action and no Fn function but
    // Fn+F9 runs.
    bool IsRecording() const override { return pages_.IsRecordingMacro(); }
    void NewMacro() override { pages_.NewMacro(); }
    void ToggleRecording() override { pages_.ToggleRecording(); }
    void StepBrightness(int step) override;
    // Fn+F10 and the brightness steps: the keyboard gets the profile's
    // setting and its page shows it.
    void ApplyGaming(const CDocProfile& profile) override;
    void ApplyBacklight(const CDocProfile& profile) override;

private:
    static constexpr UINT_PTR kResumeTimer = 0x5152;
    static constexpr UINT kResumeSettleMs = 1500;

    IClock& clock_;
    CProfileStrip& strip_;
    IKeyboardPages& pages_;
    CActivity& activity_;
    CDispatcher dispatcher_;
    // Read by repeat threads; null once the window is being destroyed.
    std::atomic<HWND> window_{nullptr};
    DeviceNotification notification_;
    std::optional<CCrashRelease> crashRelease_;
};
