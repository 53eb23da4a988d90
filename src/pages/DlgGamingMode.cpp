#include "pages/DlgGamingMode.h"

#include <utility>

#include "pages/resource.h"

namespace {
bool IsTicked(const CSkinCheckBox& box) { return box.Ticked() == BST_CHECKED; }
void Tick(CSkinCheckBox& box, bool on) {
    box.Send(BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED);
    box.Invalidate(false);
}
}  // namespace

CDlgGamingMode::CDlgGamingMode(CDocProfileSet& profiles, CDeviceChannel& channel)
    : CSkinDialog(IDD_DLG_GAMINGMODE),
      settings_(profiles, channel),
      controls_({
          {gamingLabel_, IDC_STATIC_GAMINGMODE, 95, 49, 83, 20, {u"IDC_STATIC_GAMINGMODE", u"Gaming Mode"}, kTextMiddle},
          {gaming_, IDC_CHK_GAMINGMODE, 194, 49, 75, 24, {}, kKeepTextFlags, {}, {u"IDC_STATIC_GAMINGMODE", u"Gaming Mode"}},
          {disableLabel_, IDC_STATIC_DISABLEKEY, 125, 124, 132, 23, {u"IDC_STATIC_DISABLEKEY", u"Disable Key"}, kTextMiddle},
          {altTabLabel_, IDC_STATIC_ALT_TAB, 128, 158, 81, 21, {}, kTextMiddle},
          {altTab_, IDC_CHK_ALT_TAB, 287, 158, 84, 23, {u"IDC_CHK_DISABLE", u"Disable"}},
          {altF4Label_, IDC_STATIC_ALT_F4, 128, 203, 81, 21, {}, kTextMiddle},
          {altF4_, IDC_CHK_ALT_F4, 287, 203, 84, 23, {u"IDC_CHK_DISABLE", u"Disable"}},
      }) {
    LoadImages(u"Gamingmode", {SkinState::Normal, SkinState::Disable, SkinState::DisableSelected, SkinState::Over,
                               SkinState::OverSelected, SkinState::Selected});
    SetMaskOf(u"Gamingmode");
}

BOOL CDlgGamingMode::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    controls_.Place(*this);
    // Taken over where the template put them, hidden.
    winKeyLabel_.SubclassDlgItem(IDC_STATIC_WIN_KEY, *this);
    winKey_.SubclassDlgItem(IDC_CHK_WIN_KEY, *this);
    winKeyLabel_.SetTextFlags(kTextMiddle);
    return TRUE;
}

void CDlgGamingMode::ApplyLanguage() {
    controls_.ApplyLanguage();
    // Each box says "Disable"; a screen reader also hears which key it is for.
    for (auto [box, label] : {std::pair{&altTab_, &altTabLabel_}, std::pair{&altF4_, &altF4Label_}})
        box->SetAccessibleName(label->Text() + L": " + box->Text());
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
