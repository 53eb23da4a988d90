#pragma once
// Finding the real program's windows from the test process, so that the
// test can click where they are and read what they show.
#include <windows.h>

#include <chrono>
#include <string>

// Double-clicks the tray icon: no user gesture reaches the notification area
// under Xvfb, so the icon's message goes to the window directly. Waits until
// the window shows; false when it did not.
bool ShowFromTray(HWND main);
// The open drop-down list of a button with a choice list, or null.
HWND OpenDropDown(HWND main, std::chrono::milliseconds timeout);
// Clicks row `row` of an open drop-down; false when it has no such row.
bool PickRow(HWND dropDown, int row);
// A visible popup of `main` that holds control `id`, or null at the timeout.
HWND OwnedWindowWith(HWND main, int id, std::chrono::milliseconds timeout);
// The program's message box, waiting up to `timeout`; null when none shows.
HWND WaitForMessageBox(std::chrono::milliseconds timeout);
// The text a message box says.
std::wstring MessageText(HWND box);
// Clicks button `id` (IDYES, IDNO, IDOK) of a message box and waits until it
// is gone.
bool ClickButton(HWND box, int id);
// Polls `done` every 20 ms until it holds or `timeout` passes.
template <class F>
bool WaitFor(F done, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (done()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        Sleep(20);
    }
}
