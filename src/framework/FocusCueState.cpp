#include "framework/FocusCueState.h"

#include "ui/FocusCues.h"

bool FocusCuesShown(HWND window) { return !(SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS); }

void ShowFocusCues(HWND topLevel, bool shown) {
    if (!topLevel || FocusCuesShown(topLevel) == shown) return;
    SendMessageW(topLevel, WM_CHANGEUISTATE, MAKEWPARAM(shown ? UIS_CLEAR : UIS_SET, UISF_HIDEFOCUS), 0);
}

void FollowFocusCues(const MSG& msg) {
    const FocusCues change = FocusCuesAfter(msg.message, static_cast<uint32_t>(msg.wParam));
    if (change != FocusCues::Keep) ShowFocusCues(GetAncestor(msg.hwnd, GA_ROOT), change == FocusCues::Show);
}
