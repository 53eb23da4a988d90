#include "ui/BacklightSettings.h"

#include <algorithm>

#include "device/KeyboardCommands.h"
#include "model/DocProfileSet.h"

BacklightControls CBacklightSettings::Show(CDocProfile& profile) {
    const BacklightControls shown{profile.backlightOn != 0,
                                  std::clamp<int>(profile.brightnessLevel, kMinBrightnessLevel, kMaxBrightnessLevel),
                                  profile.backlightEffect};
    if (shown.level != profile.brightnessLevel) {
        profile.SetModifiedFlag();
        Store(profile, shown);
    }
    return shown;
}

void CBacklightSettings::Store(CDocProfile& profile, const BacklightControls& controls) {
    profile.backlightOn = controls.on ? 1 : 0;
    profile.brightnessLevel = static_cast<uint8_t>(controls.level);
    profile.backlightEffect = controls.effect;
}

void CBacklightSettings::OnSwitch(const BacklightControls& controls) {
    SendBacklightSwitch(channel_, controls.on);
    CommitIfChanged(controls);
}

void CBacklightSettings::OnEffect(const BacklightControls& controls) {
    SendBacklightEffect(channel_, controls.effect);
    CommitIfChanged(controls);
}

void CBacklightSettings::OnBrightness(const BacklightControls& controls) {
    SendBrightnessLevel(channel_, static_cast<uint32_t>(controls.level));
    CommitIfChanged(controls);
}

void CBacklightSettings::CommitIfChanged(const BacklightControls& controls) {
    CDocProfile* profile = profiles_.Current();
    if (profile == nullptr) return;
    if (profile->backlightEffect == controls.effect && (profile->backlightOn != 0) == controls.on &&
        profile->brightnessLevel == controls.level)
        return;
    profile->SetModifiedFlag();
    Store(*profile, controls);
}
