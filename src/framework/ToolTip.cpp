#include "framework/ToolTip.h"

#include <commctrl.h>

void CToolTip::SetTip(HWND dialog, HWND control, const std::wstring& text) {
    if (!window_)
        window_.Reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr,
                                      GetModuleHandleW(nullptr), nullptr));
    if (!window_) return;  // no tip; the control works as before
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());  // the tooltip copies it
    // Replaced whole: asking whether the tool exists would copy its old
    // text into our buffer.
    SendMessageW(window_.Get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(window_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void HideTipsOf(HWND window) {
    EnumThreadWindows(
        GetWindowThreadProcessId(window, nullptr),
        [](HWND h, LPARAM owner) {
            wchar_t cls[32] = {};
            if (GetWindow(h, GW_OWNER) == reinterpret_cast<HWND>(owner) && GetClassNameW(h, cls, 32) &&
                lstrcmpiW(cls, TOOLTIPS_CLASSW) == 0)
                SendMessageW(h, TTM_POP, 0, 0);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(window));
}
