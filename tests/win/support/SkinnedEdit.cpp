#include "win/support/SkinnedEdit.h"

namespace {
bool IsEdit(HWND hwnd) {
    wchar_t cls[8] = {};
    GetClassNameW(hwnd, cls, 8);
    return lstrcmpiW(cls, L"Edit") == 0;
}
}  // namespace

HWND EditIn(HWND window) {
    if (IsEdit(window)) return window;
    HWND found = nullptr;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM out) {
            if (!IsEdit(child)) return TRUE;
            *reinterpret_cast<HWND*>(out) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}
