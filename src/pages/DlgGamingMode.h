#pragma once
// The gaming page of the main window: the gaming mode switch and, while it
// is on, blocking Alt+Tab and Alt+F4. Every change is applied and goes into
// the current profile at once (CGamingSettings holds the rules); the page
// only reads and shows its check boxes. The Windows-key switch is never
// shown; its state follows the profile.
#include "framework/ControlPlace.h"
#include "lang/MultiLanguage.h"
#include "skin/SkinCheckBox.h"
#include "skin/SkinDialog.h"
#include "skin/SkinStatic.h"
#include "ui/GamingSettings.h"

class CDlgGamingMode : public CSkinDialog, public CMultiLanguage {
public:
    // Both must outlive the page.
    CDlgGamingMode(CDocProfileSet& profiles, CDeviceChannel& channel);

    // The check boxes show the profile's gaming settings; nothing is sent.
    void ShowProfile(const CDocProfile& profile);
    // The profile takes the check boxes' state.
    void StoreInto(CDocProfile& profile) const { CGamingSettings::Store(profile, Controls()); }
    void ApplyLanguage() override;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WPARAM wp, LPARAM lp) override;

private:
    GamingControls Controls() const;
    void EnableBlocking(bool on) const;

    CGamingSettings settings_;
    CSkinStatic gamingLabel_;
    CSkinStatic disableLabel_;
    CSkinStatic altTabLabel_;
    CSkinStatic altF4Label_;
    CSkinStatic winKeyLabel_;
    CSkinCheckBox gaming_;
    CSkinCheckBox altTab_;
    CSkinCheckBox altF4_;
    CSkinCheckBox winKey_;
    CControlTable controls_;
};
