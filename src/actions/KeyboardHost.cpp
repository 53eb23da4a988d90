#include "actions/KeyboardHost.h"

#include "device/KeyboardCommands.h"
#include "model/DocProfileSet.h"

void CKeyboardHost::SelectProfile(const std::u16string& name) {
    profiles_.currentName = name;
    MakeCurrent();
}

void CKeyboardHost::MakeCurrent() {
    if (const CDocProfile* profile = profiles_.Current()) ApplyProfile(channel_, *profile);
}

void CKeyboardHost::ApplyGaming(const CDocProfile& profile) {
    ::ApplyGaming(channel_, profile.gamingMode != 0, profile.disableAltTab != 0, profile.disableAltF4 != 0);
}

void CKeyboardHost::ApplyBacklight(const CDocProfile& profile) { ::ApplyBacklight(channel_, profile); }
