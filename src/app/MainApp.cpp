#include "app/MainApp.h"

#include <gdiplus.h>

#include "app/resource.h"

CMainApp::CMainApp(HINSTANCE instance) : instance_(instance) {}

// Another copy owns a window of our class: bring it forward and stop. Its
// own show handling decides whether anything becomes visible.
bool CMainApp::ActivateRunningCopy() const {
    HWND other = FindWindowW(kMainWindowClass, nullptr);
    if (!other) return false;
    if (GetWindowLongW(other, GWL_STYLE) & WS_MINIMIZE)
        ShowWindow(other, SW_RESTORE);
    else
        SetWindowPos(other, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
    SetForegroundWindow(other);
    return true;
}

// The main dialog's template names this class: the system dialog class under
// our own name, so that a second copy can find the first.
bool CMainApp::RegisterMainWindowClass() const {
    WNDCLASSW wc{};
    if (!GetClassInfoW(instance_, L"#32770", &wc)) return false;
    wc.hInstance = instance_;
    wc.lpszClassName = kMainWindowClass;
    return RegisterClassW(&wc) != 0;
}

void CMainApp::EnterApplicationFolder() {
    wchar_t path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring full(path, n);
    folder_ = full.substr(0, full.find_last_of(L'\\'));
    SetCurrentDirectoryW(folder_.c_str());
}

namespace {
INT_PTR CALLBACK PlaceholderProc(HWND wnd, UINT msg, WPARAM, LPARAM) {
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowTextW(wnd, L"Qorn");
        return TRUE;
    case WM_CLOSE:
        EndDialog(wnd, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}
}  // namespace

void CMainApp::RunMainWindow() {
    DialogBoxParamW(instance_, MAKEINTRESOURCEW(IDD_MAIN_DIALOG), nullptr, PlaceholderProc, 0);
}

bool CMainApp::InitInstance() {
    if (ActivateRunningCopy()) return false;
    RegisterMainWindowClass();
    EnterApplicationFolder();
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&gdiplusToken_, &input, nullptr) == Gdiplus::Ok) started_ = true;
    RunMainWindow();
    return false;
}

int CMainApp::ExitInstance() {
    if (started_) Gdiplus::GdiplusShutdown(gdiplusToken_);
    started_ = false;
    return 0;
}
