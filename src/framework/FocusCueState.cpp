#include "framework/FocusCueState.h"

#include "framework/DialogEx.h"
#include "ui/FocusCues.h"

namespace {
CDialogEx* TopDialog(HWND window) {
    return window ? dynamic_cast<CDialogEx*>(CWnd::FromHandle(GetAncestor(window, GA_ROOT))) : nullptr;
}
}  // namespace

bool FocusCuesShown(HWND window) {
    const CDialogEx* top = TopDialog(window);
    return top && top->FocusCues();
}

// Only the focused control shows a mark, so only it repaints.
void ShowFocusCues(HWND window, bool shown) {
    CDialogEx* top = TopDialog(window);
    if (!top || top->FocusCues() == shown) return;
    top->SetFocusCues(shown);
    SendMessageW(top->GetSafeHwnd(), WM_CHANGEUISTATE, MAKEWPARAM(shown ? UIS_CLEAR : UIS_SET, UISF_HIDEFOCUS), 0);
    const HWND focus = GetFocus();
    if (focus && GetAncestor(focus, GA_ROOT) == top->GetSafeHwnd()) InvalidateRect(focus, nullptr, FALSE);
}

void FollowFocusCues(const MSG& msg) {
    const FocusCues change = FocusCuesAfter(msg.message, static_cast<uint32_t>(msg.wParam));
    if (change != FocusCues::Keep) ShowFocusCues(msg.hwnd, change == FocusCues::Show);
}
