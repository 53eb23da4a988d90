#pragma once
// The real program, run as its own process from a private copy of the
// program folder (program and skin images), for start-up and shutdown tests.
#include <windows.h>

#include <chrono>
#include <string>

#include "platform/win32/UniqueHandle.h"

// The tray menu's Exit, posted as WM_COMMAND where no click can reach it.
constexpr WPARAM kExitCommand = 16960;

// A fresh folder holding Qorn.exe, res\ and lan\ under the test program's
// folder, with the data files of dist\ when `installed` (as a user gets
// the program) and without them otherwise; `name` keeps tests apart.
// Returns it with a trailing backslash.
std::wstring MakeAppFolder(const std::wstring& name, bool installed = false);

class AppProcess {
public:
    // Starts `folder`\Qorn.exe with `arguments` and the test program's folder
    // as its current directory, so that any file the program wrote beside the
    // caller shows.
    explicit AppProcess(const std::wstring& folder, const std::wstring& arguments = L"");
    ~AppProcess();
    AppProcess(const AppProcess&) = delete;
    AppProcess& operator=(const AppProcess&) = delete;

    bool Started() const { return process_.Valid(); }
    // True when the process ended within `timeout`; its exit code in *code.
    bool WaitForExit(std::chrono::milliseconds timeout, DWORD* code = nullptr) const;
    bool Running() const { return !WaitForExit(std::chrono::milliseconds(0)); }

private:
    UniqueHandle process_;
};

// The program's main window (found by its class), waiting up to `timeout`.
HWND WaitForMainWindow(std::chrono::milliseconds timeout);
// The child page of `main` that holds control `id`, of window class
// `controlClass` when given, or null after five seconds: the window builds
// its pages just after its tray icon is up. Pages repeat ids (the keyboard
// page's keys use 1001-1113): pass one only that page has, or its class.
HWND PageWith(HWND main, int id, const wchar_t* controlClass = nullptr);
// The edit control `id` of a dialog, inside the scroll frame that took over
// its id; null when there is none.
HWND HostedEdit(HWND dialog, int id);
// The window with the keyboard focus in the thread of `window` (a window of
// another process), or null.
HWND FocusIn(HWND window);
// The text of an edit in another process: GetWindowText reads only the
// caption there, so this asks the edit itself.
std::wstring EditText(HWND edit);
// Waits for a message box of the program, returns its text and presses
// `button` (OK, or Yes or No of a question); empty when none showed within
// `timeout` or the box has no such button (it is then left open).
std::wstring AnswerMessageBox(std::chrono::milliseconds timeout, int button = IDOK);
// Whether the notification area holds icon 128 of `owner`.
bool HasTrayIcon(HWND owner);
