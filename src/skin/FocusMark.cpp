#include "skin/FocusMark.h"

#include "framework/FocusCueState.h"

namespace {
constexpr int kRing = 2;
constexpr Gdiplus::ARGB kRingArgb = 0xFFFFB000;  // amber

Gdiplus::Color RingColour() {
    HIGHCONTRASTW contrast{sizeof(contrast), 0, nullptr};
    if (SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
        (contrast.dwFlags & HCF_HIGHCONTRASTON)) {
        const COLORREF c = GetSysColor(COLOR_HIGHLIGHT);
        return Gdiplus::Color(255, GetRValue(c), GetGValue(c), GetBValue(c));
    }
    return Gdiplus::Color(kRingArgb);
}
}  // namespace

bool ShowsFocusMark(HWND control) {
    return control && GetFocus() == control && FocusCuesShown(control);
}

void DrawFocusMark(Gdiplus::Graphics& graphics, HWND control, const RECT& rect) {
    if (!ShowsFocusMark(control)) return;
    const Gdiplus::SolidBrush brush(RingColour());
    const INT w = rect.right - rect.left, h = rect.bottom - rect.top;
    graphics.FillRectangle(&brush, rect.left, rect.top, w, kRing);
    graphics.FillRectangle(&brush, rect.left, rect.bottom - kRing, w, kRing);
    graphics.FillRectangle(&brush, rect.left, rect.top, kRing, h);
    graphics.FillRectangle(&brush, rect.right - kRing, rect.top, kRing, h);
}
