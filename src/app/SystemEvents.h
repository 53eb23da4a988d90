#pragma once
// What the system tells the main window about the session, power and the
// taskbar, and what the program does about it: while the user is away
// (session locked or logging off, computer suspending) no action goes on
// and nothing stays held; when the user is back (unlock, resume) what the
// locked desktop refused is released again and the keyboard gets the
// current profile back; when Explorer starts again the tray icon returns.
//
// Threads: the user-interface thread (the window procedure).
#include <windows.h>

#include <functional>
#include <optional>

#include "platform/win32/UniqueResource.h"

class CMainKeyboard;

struct SessionNotificationFree {
    void operator()(HWND window) const;
};

class CSystemEvents {
public:
    // Subscribes `window` to the session's changes; `restoreTray` runs when
    // the taskbar is created again. Both must outlive this object.
    CSystemEvents(HWND window, CMainKeyboard& keyboard, std::function<void()> restoreTray);

    // The result for one of the messages above, or nothing for any other.
    std::optional<LRESULT> OnMessage(UINT msg, WPARAM wp, LPARAM lp);

private:
    void Away();
    // Unlock, or resume (`resumed`), whose apply may wait for the keyboard.
    void Back(bool resumed);

    CMainKeyboard& keyboard_;
    std::function<void()> restoreTray_;
    const UINT taskbarCreated_;
    UniqueResource<HWND, SessionNotificationFree> session_;
};
