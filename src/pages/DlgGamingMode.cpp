#include "pages/DlgGamingMode.h"

#include "lang/win32/LocalText.h"
#include "framework/ControlPlace.h"
#include "pages/resource.h"

namespace {
bool IsTicked(const CSkinCheckBox& box) { return box.Ticked() == BST_CHECKED; }
void Tick(CSkinCheckBox& box, bool on) {
    box.Send(BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED);
    box.Invalidate(false);
}
}  // namespace

CDlgGamingMode::CDlgGamingMode(CDocProfileSet& profiles, CDeviceChannel& channel)
    : CSkinDialog(IDD_DLG_GAMINGMODE), settings_(profiles, channel) {
    LoadImages(u"Gamingmode", {SkinState::Normal, SkinState::Disable, SkinState::DisableSelected, SkinState::Over,
                               SkinState::OverSelected, SkinState::Selected});
    SetMaskOf(u"Gamingmode");
}

BOOL CDlgGamingMode::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    PlaceControls(*this, {
        {gamingLabel_, IDC_STATIC_GAMINGMODE, 95, 49, 83, 20},
        {gaming_, IDC_CHK_GAMINGMODE, 194, 49, 75, 24},
        {disableLabel_, IDC_STATIC_DISABLEKEY, 125, 124, 132, 23},
        {altTabLabel_, IDC_STATIC_ALT_TAB, 128, 158, 81, 21},
        {altTab_, IDC_CHK_ALT_TAB, 287, 158, 84, 23},
        {altF4Label_, IDC_STATIC_ALT_F4, 128, 203, 81, 21},
        {altF4_, IDC_CHK_ALT_F4, 287, 203, 84, 23},
    });
    // Taken over where the template put them, hidden.
    winKeyLabel_.SubclassDlgItem(IDC_STATIC_WIN_KEY, *this);
    winKey_.SubclassDlgItem(IDC_CHK_WIN_KEY, *this);
    for (CSkinStatic* label : {&gamingLabel_, &disableLabel_, &altTabLabel_, &altF4Label_, &winKeyLabel_})
        label->SetTextFlags(kTextMiddle);
    return TRUE;
}

void CDlgGamingMode::ApplyLanguage() {
    gamingLabel_.SetText(LocalText(u"IDC_STATIC_GAMINGMODE", u"Gaming Mode"));
    disableLabel_.SetText(LocalText(u"IDC_STATIC_DISABLEKEY", u"Disable Key"));
    altTab_.SetText(LocalText(u"IDC_CHK_DISABLE", u"Disable"));
    altF4_.SetText(LocalText(u"IDC_CHK_DISABLE", u"Disable"));
}

GamingControls CDlgGamingMode::Controls() const {
    return {IsTicked(gaming_), IsTicked(altTab_), IsTicked(altF4_), IsTicked(winKey_)};
}

void CDlgGamingMode::EnableBlocking(bool on) const {
    for (const CSkinCheckBox* box : {&altTab_, &altF4_, &winKey_}) box->Enable(on);
}

void CDlgGamingMode::ShowProfile(const CDocProfile& profile) {
    const GamingControls shown = CGamingSettings::Show(profile);
    Tick(gaming_, shown.gaming);
    Tick(altTab_, shown.disableAltTab);
    Tick(altF4_, shown.disableAltF4);
    Tick(winKey_, shown.disableWinKey);
    EnableBlocking(shown.gaming);
}

bool CDlgGamingMode::OnCommand(WPARAM wp, LPARAM lp) {
    if (HIWORD(wp) != BN_CLICKED) return CSkinDialog::OnCommand(wp, lp);
    switch (LOWORD(wp)) {
    case IDC_CHK_GAMINGMODE:
        EnableBlocking(Controls().gaming);
        settings_.OnGamingSwitch(Controls());
        return true;
    case IDC_CHK_ALT_TAB:
        settings_.OnAltTab(Controls());
        return true;
    case IDC_CHK_ALT_F4:
        settings_.OnAltF4(Controls());
        return true;
    case IDC_CHK_WIN_KEY:
        settings_.CommitIfChanged(Controls());
        return true;
    }
    return CSkinDialog::OnCommand(wp, lp);
}
