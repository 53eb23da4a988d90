#pragma once
// The main window's keyboard side: it sends the current profile to the
// keyboard when the profile strip makes it current, turns the keyboard's reports into actions through the
// dispatcher, follows the keyboard's arrival and removal, and handles the
// brightness steps of a held Fn brightness key.
//
// Threads: the user-interface thread. StepBrightness is called on repeat
// threads and reaches that thread through SendMessageW.
#include <windows.h>

#include <atomic>
#include <functional>

#include "actions/Dispatcher.h"
#include "actions/KeyboardHost.h"
#include "device/win32/DeviceNotification.h"
#include "ui/ProfileChangeSteps.h"

class CDocMacroSet;
class CProfileStrip;
class IClock;

// wParam: the step as a signed integer (+1 or -1); lParam 0; result 0.
constexpr UINT WM_BRIGHTNESS_STEP = WM_USER + 103;

class CMainKeyboard final : public CKeyboardHost, public IProfileKeyboard {
public:
    // What the window does for the Fn functions: the pages load the
    // current profile again (which also sends it), and a profile change is
    // announced.
    struct PageHooks {
        std::function<void(CDocProfile&)> showBacklight;
        std::function<void(CDocProfile&)> showGaming;
        std::function<void()> announceProfile;
        // The macro page: recording a macro (not an edit of its event list),
        // and its New and Record buttons for Fn+F9.
        std::function<bool()> isRecording;
        std::function<void()> newMacro;
        std::function<void()> toggleRecording;
    };

    // Everything given must outlive this object. Profiles are selected, and
    // made current again on the keyboard's return, through `strip`.
    CMainKeyboard(CDocProfileSet& profiles, CDocMacroSet& macros, CDeviceChannel& channel,
                  const ActionServices& services, CProfileStrip& strip, PageHooks pages);

    // The window exists: reports and device notifications go to it from now on.
    void Attach(HWND window);
    // The window is being destroyed: reports are ignored, notifications end,
    // and every running action is ended and waited for.
    void Detach();

    // WM_DEVICE_REPORT: 1 when the report was processed, else 0.
    LRESULT OnDeviceReport(WPARAM report, LPARAM length);
    // WM_DEVICECHANGE: the keyboard's interface arriving or going away.
    void OnDeviceChange(WPARAM event, LPARAM data);
    // WM_BRIGHTNESS_STEP.
    void OnBrightnessStepMessage(WPARAM step);
    // Before a profile's keys are deleted or overwritten.
    void EndActivations(std::span<CKeyAction> keys) override { dispatcher_.EndActivations(keys); }
    // A profile became current: it goes to the keyboard as `qornctl apply` sends it.
    void Apply(const CDocProfile& current, ProfileReason reason) override;

    // Fn + digit: the profile strip selects the profile.
    void SelectProfile(const std::u16string& name) override;

    // While the macro page records, no key action and no Fn function but
    // Fn+F9 runs.
    bool IsRecording() const override { return pages_.isRecording(); }
    void NewMacro() override { pages_.newMacro(); }
    void ToggleRecording() override { pages_.toggleRecording(); }
    void StepBrightness(int step) override;
    // Fn+F10 and the brightness steps: the keyboard gets the profile's
    // setting and its page shows it.
    void ApplyGaming(const CDocProfile& profile) override;
    void ApplyBacklight(const CDocProfile& profile) override;

private:
    IClock& clock_;
    CProfileStrip& strip_;
    PageHooks pages_;
    CDispatcher dispatcher_;
    // Read by repeat threads; null once the window is being destroyed.
    std::atomic<HWND> window_{nullptr};
    DeviceNotification notification_;
};
