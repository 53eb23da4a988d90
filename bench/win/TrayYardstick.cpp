// The least a program in the notification area can hold under this Wine:
// a hidden window and a tray icon, with the system libraries the real
// program maps (GDI+ started, as the program does). ./benchmark compares
// the program's private memory with this one's.
#include <windows.h>
#include <gdiplus.h>
#include <shellapi.h>

#include <initializer_list>

namespace {
constexpr UINT kTrayNotify = WM_USER + 10;

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CLOSE) {
        DestroyWindow(hwnd);
        return 0;
    }
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}
}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    for (const wchar_t* dll : {L"comctl32.dll", L"comdlg32.dll", L"ws2_32.dll", L"shlwapi.dll", L"ole32.dll",
                               L"winmm.dll", L"hid.dll", L"wtsapi32.dll"})
        LoadLibraryW(dll);
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);

    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.lpszClassName = L"QornTrayYardstick";
    RegisterClassW(&wc);
    HWND hwnd = CreateWindowW(wc.lpszClassName, L"yardstick", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                              instance, nullptr);
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = hwnd;
    icon.uID = 128;
    icon.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    icon.uCallbackMessage = kTrayNotify;
    icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    lstrcpyW(icon.szTip, L"yardstick");
    Shell_NotifyIconW(NIM_ADD, &icon);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    Shell_NotifyIconW(NIM_DELETE, &icon);
    Gdiplus::GdiplusShutdown(token);
    return 0;
}
