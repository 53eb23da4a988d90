#include "pages/DlgBlacklight.h"

#include "lang/win32/LocalText.h"
#include "pages/resource.h"

namespace {
// Left, top, right, bottom: the slider fits itself around this track.
constexpr RECT kSliderTrack{152, 156, 512, 107};
}  // namespace

CDlgBlacklight::CDlgBlacklight(CDocProfileSet& profiles, CDeviceChannel& channel)
    : CSkinDialog(IDD_DLG_BLACKLIGHT),
      settings_(profiles, channel),
      controls_({
          {backlightLabel_, IDC_STATIC_BLACKLIGHT, 53, 62, 92, 23, {u"IDC_STATIC_BLACKLIGHT", u"Back Light"}, kTextMiddle},
          {switch_, IDC_CHK_BLACKLIGHT, 153, 60, 71, 26, {}, kKeepTextFlags, {}, {u"IDC_STATIC_BLACKLIGHT", u"Back Light"}},
          {brightnessLabel_, IDC_STATIC_BRIGHTNESS, 53, 122, 92, 23, {u"IDC_STATIC_BRIGHTNESS", u"Brightness"}, kTextMiddle},
          {effectLabel_, IDC_STATIC_EFFECT, 53, 174, 92, 23, {u"IDC_STATIC_EFFECT", u"Effect"}, kTextMiddle},
          {effects_[0], IDC_RADIO_EFFECT_STATIC, 150, 167, 100, 26, {u"IDC_RADIO_EFFECT_STATIC", u"Static"}},
          {effects_[1], IDC_RADIO_EFFECT_BLINK, 257, 167, 75, 26, {u"IDC_RADIO_EFFECT_BLINK", u"Blink"}},
          {effects_[2], IDC_RADIO_EFFECT_BREATH, 359, 167, 75, 26, {u"IDC_RADIO_EFFECT_BREATH", u"Breath"}},
      }) {
    LoadImages(u"Backlight", {SkinState::Normal, SkinState::Disable, SkinState::DisableSelected, SkinState::Over,
                              SkinState::OverSelected, SkinState::Selected});
    SetMaskOf(u"Backlight");
}

BOOL CDlgBlacklight::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    controls_.Place(*this);
    slider_.SubclassDlgItem(IDC_SLIDER_BRIGHTNESS, *this);
    slider_.LoadThumb();
    slider_.FitTo(kSliderTrack);
    slider_.SetRange(kMinBrightnessLevel, kMaxBrightnessLevel);
    return TRUE;
}

void CDlgBlacklight::ApplyLanguage() {
    controls_.ApplyLanguage();
    slider_.SetAccessibleName(LocalText(u"IDC_STATIC_BRIGHTNESS", u"Brightness"));
}

BacklightControls CDlgBlacklight::Controls() const {
    return {(switch_.Ticked() & 1) != 0, slider_.GetPos(), currentEffect_};
}

void CDlgBlacklight::EnableSettings(bool on) const {
    slider_.Enable(on);
    for (const CSkinRadioBox& effect : effects_) effect.Enable(on);
}

void CDlgBlacklight::ShowProfile(CDocProfile& profile) {
    const BacklightControls shown = CBacklightSettings::Show(profile);
    switch_.Send(BM_SETCHECK, shown.on ? BST_CHECKED : BST_UNCHECKED);
    switch_.Invalidate(false);
    EnableSettings(shown.on);
    slider_.SetPos(shown.level);
    for (int i = 0; i < 3; ++i) effects_[i].Send(BM_SETCHECK, i == shown.effect ? BST_CHECKED : BST_UNCHECKED);
    currentEffect_ = shown.effect;
}

bool CDlgBlacklight::OnCommand(WPARAM wp, LPARAM lp) {
    if (HIWORD(wp) != BN_CLICKED) return CSkinDialog::OnCommand(wp, lp);
    switch (LOWORD(wp)) {
    case IDC_CHK_BLACKLIGHT:
        EnableSettings(Controls().on);
        settings_.OnSwitch(Controls());
        return true;
    case IDC_RADIO_EFFECT_STATIC:
    case IDC_RADIO_EFFECT_BLINK:
    case IDC_RADIO_EFFECT_BREATH:
        currentEffect_ = static_cast<uint8_t>(LOWORD(wp) - IDC_RADIO_EFFECT_STATIC);
        settings_.OnEffect(Controls());
        return true;
    }
    return CSkinDialog::OnCommand(wp, lp);
}

// Every scroll notification of the slider, whatever its code, including
// the end-of-scroll that each SetPos posts.
LRESULT CDlgBlacklight::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_HSCROLL && reinterpret_cast<HWND>(lp) == slider_.GetSafeHwnd()) settings_.OnBrightness(Controls());
    return CSkinDialog::WindowProc(msg, wp, lp);
}
