#include "framework/Dpi.h"

namespace {
template <class Function>
Function User32Function(const char* name) {
    HMODULE user = GetModuleHandleW(L"user32.dll");
    return user ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user, name))) : nullptr;
}
}  // namespace

int WindowDpi(HWND hwnd) {
    static const auto forWindow = User32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    if (forWindow && hwnd) {
        if (const UINT dpi = forWindow(hwnd)) return static_cast<int>(dpi);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

void KeepDialogUnscaled(HWND dialog) {
    static const auto forDialog =
        User32Function<BOOL(WINAPI*)(HWND, DIALOG_DPI_CHANGE_BEHAVIORS, DIALOG_DPI_CHANGE_BEHAVIORS)>(
            "SetDialogDpiChangeBehavior");
    static const auto forControl =
        User32Function<BOOL(WINAPI*)(HWND, DIALOG_CONTROL_DPI_CHANGE_BEHAVIORS, DIALOG_CONTROL_DPI_CHANGE_BEHAVIORS)>(
            "SetDialogControlDpiChangeBehavior");
    // Best effort: where the functions are missing, so is per-monitor DPI.
    if (forDialog) (void)forDialog(dialog, DDC_DISABLE_ALL, DDC_DISABLE_ALL);
    if (!forControl) return;
    const auto mask = static_cast<DIALOG_CONTROL_DPI_CHANGE_BEHAVIORS>(DCDC_DISABLE_FONT_UPDATE | DCDC_DISABLE_RELAYOUT);
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        (void)forControl(child, mask, mask);
}
