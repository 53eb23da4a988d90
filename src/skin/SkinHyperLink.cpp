#include "skin/SkinHyperLink.h"

#include <shellapi.h>

CSkinHyperLink::CSkinHyperLink() : cursor_(LoadCursorW(nullptr, IDC_HAND)) {
    SetTextColour(SkinState::Over, 0xFFFF69B4);
    SetTextColour(SkinState::Selected, 0xFFA52A2A);
}

void CSkinHyperLink::OnSkinInit() { ModifyStyle(0, SS_OWNERDRAW | SS_NOTIFY); }

LRESULT CSkinHyperLink::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SETCURSOR) {
        SetCursor(cursor_);
        return TRUE;
    }
    return CSkinControl<CStatic>::WindowProc(msg, wp, lp);
}

// Only while its mark shows, as for a button: a key assigned Enter lands in
// the window in front.
bool CSkinHyperLink::PreTranslateMessage(MSG& msg) {
    if (msg.hwnd == GetSafeHwnd() && msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_SPACE) &&
        ShowsFocusMark(GetSafeHwnd())) {
        OnClicked();
        Invalidate();
        return true;
    }
    return CSkinControl<CStatic>::PreTranslateMessage(msg);
}

// The shell's result is not looked at: a link that cannot be opened shows
// nothing, and the control repaints only on its next hover change.
void CSkinHyperLink::OnClicked() {
    visited_ = true;
    if (!link_.empty()) ShellExecuteW(nullptr, L"Open", link_.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void CSkinHyperLink::DrawItem(const DRAWITEMSTRUCT& item) {
    const bool disabled = item.itemState & ODS_DISABLED;
    const SkinState state = HyperLinkState(visited_, disabled, IsHovering());
    Gdiplus::Graphics graphics(item.hDC);
    DrawSlice(graphics, state, item.rcItem);
    DrawCaption(graphics, item.rcItem, state, underline_ ? Gdiplus::FontStyleUnderline : Gdiplus::FontStyleRegular);
    DrawFocusMark(graphics, GetSafeHwnd(), item.rcItem);
}
