#include "skin/SkinKeyCapture.h"

bool CSkinKeyCapture::PreTranslateMessage(MSG& msg) {
    const bool press = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
    const bool release = msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP;
    if (msg.hwnd != GetSafeHwnd() || (!press && !release)) return CSkinEdit::PreTranslateMessage(msg);
    wchar_t name[32] = {};
    if (GetKeyNameTextW(static_cast<LONG>(msg.lParam), name, 32) <= 0) return true;
    if (Text() != name) {
        SetText(name);
        HideCaret(GetSafeHwnd());
    }
    CaptureKeyMessage(keys_[release ? 1 : 0], release, static_cast<uint32_t>(msg.wParam),
                      static_cast<uint32_t>(msg.lParam));
    if (ending_.Ends(release, static_cast<uint32_t>(msg.wParam)))
        PostMessageW(GetAncestor(GetSafeHwnd(), GA_ROOT), WM_NEXTDLGCTL, 0, FALSE);
    return true;
}

// The caret the edit makes on taking the focus never shows: the field is
// not typed into, and its focus mark shows where the focus is.
LRESULT CSkinKeyCapture::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_SETFOCUS) return CSkinEdit::WindowProc(msg, wp, lp);
    ending_.Restart();
    const LRESULT result = CSkinEdit::WindowProc(msg, wp, lp);
    HideCaret(GetSafeHwnd());
    return result;
}
