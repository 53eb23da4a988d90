#include "ui/GamingSettings.h"

#include "device/DeviceProtocol.h"
#include "device/KeyboardCommands.h"
#include "model/DocProfileSet.h"

GamingControls CGamingSettings::Show(const CDocProfile& profile) {
    return {profile.gamingMode != 0, profile.disableAltTab != 0, profile.disableAltF4 != 0, profile.disableWinKey != 0};
}

void CGamingSettings::Store(CDocProfile& profile, const GamingControls& controls) {
    profile.gamingMode = controls.gaming ? 1 : 0;
    profile.disableAltTab = controls.disableAltTab ? 1 : 0;
    profile.disableAltF4 = controls.disableAltF4 ? 1 : 0;
    profile.disableWinKey = controls.disableWinKey ? 1 : 0;
}

void CGamingSettings::OnGamingSwitch(const GamingControls& controls) {
    ApplyGaming(channel_, controls.gaming, controls.disableAltTab, controls.disableAltF4);
    CommitIfChanged(controls);
}

// The check box can only be clicked while gaming mode is on, so the switch
// is not consulted.
void CGamingSettings::OnAltTab(const GamingControls& controls) {
    UploadGamingFlag(channel_, kBlockAltTab, controls.disableAltTab);
    CommitIfChanged(controls);
}

void CGamingSettings::OnAltF4(const GamingControls& controls) {
    UploadGamingFlag(channel_, kBlockAltF4, controls.disableAltF4);
    CommitIfChanged(controls);
}

void CGamingSettings::CommitIfChanged(const GamingControls& controls) {
    CDocProfile* profile = profiles_.Current();
    if (profile == nullptr) return;
    if ((profile->gamingMode != 0) == controls.gaming && (profile->disableAltTab != 0) == controls.disableAltTab &&
        (profile->disableAltF4 != 0) == controls.disableAltF4 && (profile->disableWinKey != 0) == controls.disableWinKey)
        return;
    profile->SetModifiedFlag();
    Store(*profile, controls);
}
