#pragma once
// The main window's side of the dispatcher and the Fn functions: what they
// ask of the profile list and of the pages. The shell implements it; tests
// and the replay tool implement it over the same core objects.
//
// Threads: StepBrightness is called on a repeat thread and returns after the
// user-interface thread has handled the step (OnBrightnessStep); everything
// else is called on the user-interface thread.
#include <string>

class CDocProfile;

class IDispatcherHost {
public:
    virtual ~IDispatcherHost() = default;
    // Selects the profile in the profile list and runs the profile-change step.
    virtual void SelectProfile(const std::u16string& name) = 0;
    // The macro recorder's state.
    virtual bool IsRecording() const = 0;
    // The macro page's New button: adds a fresh macro and selects it.
    virtual void NewMacro() = 0;
    // The macro page's Record button: starts or stops recording.
    virtual void ToggleRecording() = 0;
    // The gaming page sends the profile's gaming mode and flags.
    virtual void ApplyGaming(const CDocProfile& profile) = 0;
    // The backlight page shows and sends the profile's backlight.
    virtual void ApplyBacklight(const CDocProfile& profile) = 0;
    virtual void StepBrightness(int step) = 0;
};
