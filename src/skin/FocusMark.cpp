#include "skin/FocusMark.h"

#include "framework/FocusCueState.h"
#include "platform/win32/UniqueResource.h"

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

void DrawRing(Gdiplus::Graphics& graphics, const RECT& rect) {
    const Gdiplus::SolidBrush brush(RingColour());
    const INT w = rect.right - rect.left, h = rect.bottom - rect.top;
    graphics.FillRectangle(&brush, rect.left, rect.top, w, kRing);
    graphics.FillRectangle(&brush, rect.left, rect.bottom - kRing, w, kRing);
    graphics.FillRectangle(&brush, rect.left, rect.top, kRing, h);
    graphics.FillRectangle(&brush, rect.right - kRing, rect.top, kRing, h);
}
}  // namespace

bool ShowsFocusMark(HWND control) {
    return control && GetFocus() == control && FocusCuesShown(control);
}

void DrawFocusMark(Gdiplus::Graphics& graphics, HWND control, const RECT& rect) {
    if (ShowsFocusMark(control)) DrawRing(graphics, rect);
}

// The caret is hidden meanwhile: it is drawn inverted, and paint over it
// would leave its pixels wrong once it blinks.
void DrawFocusMarkOver(HWND control, bool whileFocused) {
    if (!(whileFocused ? control && GetFocus() == control : ShowsFocusMark(control))) return;
    RECT client{};
    GetClientRect(control, &client);
    const bool caretHidden = HideCaret(control);
    {
        const ScopedWindowDc dc(control);
        Gdiplus::Graphics graphics(dc.Get());
        DrawRing(graphics, client);
    }
    if (caretHidden) ShowCaret(control);
}
