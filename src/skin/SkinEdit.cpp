#include "skin/SkinEdit.h"

#include "skin/SkinGdi.h"

CSkinEdit::CSkinEdit() { SetHoverTracking(false); }

void CSkinEdit::OnSkinInit() {
    UseFont();
    RememberSkinParent();
}

// The font is a GDI font of a fixed pixel size: a new DPI needs a new one.
void CSkinEdit::UseFont() {
    UniqueGdiObject<HFONT> font(CreateGdiFont(ScaledFont(Gdiplus::FontStyleRegular)));
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
    font_ = std::move(font);
}

void CSkinEdit::UseBackground(SkinState state) {
    CSkinDialog* skin = GetSkinParent();
    const auto slice = skin ? CutSlice(*skin, GetSafeHwnd(), state, 0) : nullptr;
    background_ = slice ? PatternBrushOf(*slice) : UniqueGdiObject<HBRUSH>();
}

void CSkinEdit::RedrawNow() const {
    RedrawWindow(GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

LRESULT CSkinEdit::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_DPICHANGED_AFTERPARENT:
        UseFont();
        background_.Reset();
        break;
    case WM_CHAR:
        // Ctrl+A arrives as character 1: select everything, as users expect
        // of any edit, where the system's edit would only beep.
        if (wp == 1) {
            Send(EM_SETSEL, 0, -1);
            return 0;
        }
        break;
    case WM_WINDOWPOSCHANGED:
        // Moved or resized: the next paint cuts the slice at the new place.
        if ((reinterpret_cast<const WINDOWPOS*>(lp)->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE))
            background_.Reset();
        break;
    case WM_SKIN_HOVER:
        SetHovering(wp != 0);
        UseBackground(wp ? SkinState::Over : SkinState::Normal);
        RedrawNow();
        return 0;
    case WM_PAINT: {
        const LRESULT result = CSkinContianerCtrl<CEdit>::WindowProc(msg, wp, lp);
        DrawFocusMarkOver(GetSafeHwnd(), MarksFocusWithoutCues());
        return result;
    }
    case WM_HSCROLL:
    case WM_VSCROLL: {
        const LRESULT result = CSkinContianerCtrl<CEdit>::WindowProc(msg, wp, lp);
        RedrawNow();
        return result;
    }
    case WM_ENABLE: {
        const LRESULT result = CSkinContianerCtrl<CEdit>::WindowProc(msg, wp, lp);
        UseBackground(wp ? SkinState::Normal : SkinState::Disable);
        return result;
    }
    case WM_KILLFOCUS: {
        const LRESULT result = CSkinContianerCtrl<CEdit>::WindowProc(msg, wp, lp);
        UseBackground(SkinState::Normal);
        RedrawNow();
        return result;
    }
    }
    return CSkinContianerCtrl<CEdit>::WindowProc(msg, wp, lp);
}

bool CSkinEdit::OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    switch (msg) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:  // a disabled or read-only edit asks this one
        *result = OnCtlColor(reinterpret_cast<HDC>(wp));
        return true;
    case WM_COMMAND:
        switch (HIWORD(wp)) {
        case EN_CHANGE:
        case EN_HSCROLL:
        case EN_VSCROLL:
            Invalidate(true);
            break;
        }
        return false;  // the parent still hears of it
    }
    return CSkinContianerCtrl<CEdit>::OnChildNotify(msg, wp, lp, result);
}

LRESULT CSkinEdit::OnCtlColor(HDC dc) {
    const bool enabled = IsEnabled();
    if (!background_) UseBackground(enabled ? SkinState::Normal : SkinState::Disable);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, font_.Get());
    SetTextColor(dc, ArgbToColorRef(TextColour(enabled ? SkinState::Normal : SkinState::Disable)));
    return reinterpret_cast<LRESULT>(background_.Get());
}
