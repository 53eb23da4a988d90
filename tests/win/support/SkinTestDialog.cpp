#include "win/support/SkinTestDialog.h"

#include "framework/ControlPlace.h"

#include "platform/win32/UniqueResource.h"
#include "win/support/GdiplusSession.h"
#include "win/support/MessagePump.h"
#include "win/support/TestIds.h"

uint32_t StateColour(SkinState state, int index) {
    static const uint32_t base[kSkinStateCount] = {0x102030, 0x303030, 0x505050, 0x106010, 0x601060, 0x101090};
    return base[static_cast<int>(state)] + static_cast<uint32_t>(index) * 0x140000;
}

namespace {
SharedBitmap PlainImage(uint32_t rgb) {
    auto bitmap = std::make_shared<Gdiplus::Bitmap>(SkinTestDialog::kWidth, SkinTestDialog::kHeight,
                                                    PixelFormat32bppRGB);
    Gdiplus::Graphics graphics(bitmap.get());
    graphics.Clear(Gdiplus::Color(0xFF000000 | rgb));
    return bitmap;
}

// The trackbar class of the slider.
void EnsureCommonControls() {
    static const bool done = [] {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES};
        return InitCommonControlsEx(&controls) != 0;
    }();
    (void)done;
}

constexpr SkinState kAllStates[] = {SkinState::Normal,       SkinState::Disable,  SkinState::DisableSelected,
                                    SkinState::Over,         SkinState::OverSelected, SkinState::Selected};
}  // namespace

SkinTestDialog::SkinTestDialog() : CSkinDialog(IDD_SKIN_TEST) {
    EnsureGdiplus();
    EnsureCommonControls();
    for (SkinState state : kAllStates)
        for (int i = 0; i < 3; ++i) AddImage(state, PlainImage(StateColour(state, i)));
}

SkinTestDialog::SkinTestDialog(const std::wstring& resFolder, std::u16string_view set) : CSkinDialog(IDD_SKIN_TEST) {
    EnsureGdiplus();
    EnsureCommonControls();
    for (SkinState state : kAllStates) {
        const std::u16string suffix(SkinStateSuffix(state));
        AddImageFile(state, resFolder + std::wstring(set.begin(), set.end()) +
                                std::wstring(suffix.begin(), suffix.end()) + L".bmp");
    }
}

SkinTestDialog::~SkinTestDialog() { DestroyWindow(); }

void SkinTestDialog::Open(int x, int y) {
    Create(nullptr);
    // A window shaped by its mask keeps the mask's size.
    const UniqueGdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
    const bool shaped = GetWindowRgn(GetSafeHwnd(), region.Get()) != ERROR;
    SetWindowPos(GetSafeHwnd(), HWND_TOP, x, y, kWidth, kHeight, SWP_SHOWWINDOW | (shaped ? SWP_NOSIZE : 0));
    SetForegroundWindow(GetSafeHwnd());
    PumpFor(std::chrono::milliseconds(100));
}

int SkinTestDialog::Clicks(int id) const {
    const auto it = clicks_.find(id);
    return it == clicks_.end() ? 0 : it->second;
}

BOOL SkinTestDialog::OnInitDialog() {
    CSkinDialog::OnInitDialog();
    CControlTable({
        {button, IDC_T_BUTTON, 10, 10, 80, 30},   {blank, IDC_T_BLANK, 100, 10, 40, 30},
        {indexed, IDC_T_INDEXED, 150, 10, 80, 30}, {check, IDC_T_CHECK, 10, 50, 120, 24},
        {narrow, IDC_T_NARROW, 140, 50, 20, 24},   {radio1, IDC_T_RADIO1, 10, 80, 90, 24},
        {radio2, IDC_T_RADIO2, 110, 80, 90, 24},   {radio3, IDC_T_RADIO3, 210, 80, 90, 24},
        {after, IDC_T_AFTER, 310, 80, 60, 24},     {label, IDC_T_STATIC, 10, 110, 100, 20},
        {link, IDC_T_LINK, 120, 110, 100, 20},     {edit, IDC_T_EDIT, 10, 140, 200, 24},
        {keys, IDC_T_KEYS, 10, 170, 200, 24},      {fallback, IDC_T_FALLBACK, 230, 140, 150, 24},
        {memo, IDC_T_MEMO, 230, 170, 160, 60},
        {choice, IDC_T_CHOICE, 240, 10, 150, 30},  {list, IDC_T_LIST, 410, 10, 140, 120},
    }).Place(*this);
    slider.SubclassDlgItem(IDC_T_SLIDER, *this);
    slider.LoadThumb();
    slider.SetRange(0, 20);
    slider.FitTo(kSliderTrack);
    return TRUE;
}

LRESULT SkinTestDialog::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SKIN_HOVER) hoverReports_.emplace_back(wp, reinterpret_cast<HWND>(lp));
    if (msg == WM_HSCROLL || msg == WM_VSCROLL) scrollReports_.emplace_back(wp, reinterpret_cast<HWND>(lp));
    return CSkinDialog::WindowProc(msg, wp, lp);
}

bool SkinTestDialog::OnCommand(WPARAM wp, LPARAM lp) {
    if (HIWORD(wp) == BN_CLICKED && lp) ++clicks_[LOWORD(wp)];
    if (HIWORD(wp) == CBtnListBox::kSelChange && lp) choices_.emplace_back(LOWORD(wp), reinterpret_cast<HWND>(lp));
    return CSkinDialog::OnCommand(wp, lp);
}
