#include "skin/SkinRadioBox.h"

CSkinRadioBox::CSkinRadioBox() : CSkinCheckBox(24, ROLE_SYSTEM_RADIOBUTTON) {}

// The button type is replaced by owner-draw; the window styles stay.
void CSkinRadioBox::OnSkinInit() { ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW | BS_NOTIFY); }

LRESULT CSkinRadioBox::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == BM_SETCHECK) {
        SetTicked(static_cast<int>(wp));
        if (wp == 1) UntickGroup();
        Invalidate(false);
        return CallDefault(msg, wp, lp);
    }
    return CSkinCheckBox::WindowProc(msg, wp, lp);
}

void CSkinRadioBox::OnClicked() { Send(BM_SETCHECK, 1); }

bool CSkinRadioBox::PreTranslateMessage(MSG& msg) {
    const bool arrow = msg.wParam >= VK_LEFT && msg.wParam <= VK_DOWN;
    if (msg.hwnd != GetSafeHwnd() || msg.message != WM_KEYDOWN || !arrow) return CSkinCheckBox::PreTranslateMessage(msg);
    const bool back = msg.wParam == VK_LEFT || msg.wParam == VK_UP;
    const HWND next = GetNextDlgGroupItem(Parent(), GetSafeHwnd(), back);
    if (next && next != GetSafeHwnd()) {
        SetFocus(next);
        SendMessageW(Parent(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(next), BN_CLICKED), reinterpret_cast<LPARAM>(next));
    }
    return true;
}

// The walk skips hidden and disabled controls, so it may never come back to
// a hidden self: it also stops when it comes round to its first find.
void CSkinRadioBox::UntickGroup() const {
    HWND dialog = Parent();
    HWND self = GetSafeHwnd();
    HWND first = GetNextDlgGroupItem(dialog, self, FALSE);
    for (HWND h = first; h && h != self;) {
        SendMessageW(h, BM_SETCHECK, 0, 0);
        h = GetNextDlgGroupItem(dialog, h, FALSE);
        if (h == first) break;
    }
}
