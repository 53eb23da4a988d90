#pragma once
// The backlight page of the main window: a switch, a 20-step brightness
// slider and three effects. Every change is sent to the keyboard and goes
// into the current profile at once (CBacklightSettings holds the rules);
// the page only reads and shows its controls.
#include "framework/ControlPlace.h"
#include "lang/MultiLanguage.h"
#include "skin/SkinCheckBox.h"
#include "skin/SkinDialog.h"
#include "skin/SkinRadioBox.h"
#include "skin/SkinSliderCtrl.h"
#include "skin/SkinStatic.h"
#include "ui/BacklightSettings.h"

class CDlgBlacklight : public CSkinDialog, public CMultiLanguage {
public:
    // Both must outlive the page.
    CDlgBlacklight(CDocProfileSet& profiles, CDeviceChannel& channel);

    // The controls show the profile's backlight; nothing is sent.
    void ShowProfile(CDocProfile& profile);
    // The profile takes the controls' state.
    void StoreInto(CDocProfile& profile) const { CBacklightSettings::Store(profile, Controls()); }
    void ApplyLanguage() override;

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool OnCommand(WPARAM wp, LPARAM lp) override;

private:
    BacklightControls Controls() const;
    void EnableSettings(bool on) const;

    CBacklightSettings settings_;
    uint8_t currentEffect_ = 0;
    CSkinStatic backlightLabel_;
    CSkinStatic brightnessLabel_;
    CSkinStatic effectLabel_;
    CSkinCheckBox switch_;
    CSkinSliderCtrl slider_;
    CSkinRadioBox effects_[3];
    CControlTable controls_;
};
