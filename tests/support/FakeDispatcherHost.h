#pragma once
// The main window's side as the dispatcher sees it, over a real profile
// set: selecting makes the profile current, recording is a flag, and the
// pages' applies are recorded. Brightness steps are handled at once, which
// is safe under the virtual clock because only one activity runs at a time.
#include <string>
#include <vector>

#include "actions/IDispatcherHost.h"
#include "actions/SoftwareActions.h"
#include "model/DocProfileSet.h"

class FakeDispatcherHost final : public IDispatcherHost {
public:
    explicit FakeDispatcherHost(CDocProfileSet& profiles) : profiles_(profiles) {}

    void SelectProfile(const std::u16string& name) override {
        profiles_.currentName = name;
        selected.push_back(name);
    }
    bool IsRecording() const override { return recording; }
    void NewMacro() override { ++newMacros; }
    void ToggleRecording() override { recording = !recording; }
    void ApplyGaming(const CDocProfile& profile) override { gamingApplied.push_back(profile.gamingMode); }
    void ApplyBacklight(const CDocProfile& profile) override { backlightApplied.push_back(profile.brightnessLevel); }
    void StepBrightness(int step) override { OnBrightnessStep(profiles_, step, *this); }

    std::vector<std::u16string> selected;
    bool recording = false;
    int newMacros = 0;
    std::vector<uint32_t> gamingApplied;
    std::vector<uint32_t> backlightApplied;

private:
    CDocProfileSet& profiles_;
};
