#include "skin/SkinListBoxEdit_Edit.h"

#include "skin/FocusMark.h"

bool CSkinListBoxEdit_Edit::Passes(wchar_t c) const {
    switch (mode_) {
    case kKeyCapture:
        return false;
    case kNumeric:
        return (c >= L'0' && c <= L'9') || c == L'\b' || (c == L'.' && Text().find(L'.') == std::wstring::npos);
    default:
        return true;
    }
}

LRESULT CSkinListBoxEdit_Edit::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_GETDLGCODE:
        // Enter reaches a numeric edit instead of the dialog's default button.
        if (mode_ == kNumeric) return CEdit::WindowProc(msg, wp, lp) | DLGC_WANTALLKEYS;
        break;
    case WM_CHAR:
        if (!Passes(static_cast<wchar_t>(wp))) return 0;
        break;
    case WM_KEYDOWN:
        if (mode_ == kNumeric && wp == VK_RETURN) Post(WM_KILLFOCUS);
        break;
    case WM_KILLFOCUS:
        PostMessageW(Parent(), WM_LISTEDIT_COMMIT, 0, 0);
        break;
    case WM_SETFOCUS:
        Invalidate(false);  // for the focus mark
        break;
    case WM_PAINT: {
        const LRESULT result = CEdit::WindowProc(msg, wp, lp);
        DrawFocusMarkOver(GetSafeHwnd());
        return result;
    }
    }
    return CEdit::WindowProc(msg, wp, lp);
}
