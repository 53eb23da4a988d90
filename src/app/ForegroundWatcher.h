#pragma once
// Tells which program owns the foreground window whenever it changes: a
// window event hook, out of context, on the thread that creates the
// watcher (which must pump messages: the user-interface thread). Some
// systems (Wine among them) deliver no foreground events to other
// processes, so a thread timer also looks at the foreground window every
// 100 ms and reports a change the hook did not.
#include <windows.h>

#include <functional>
#include <string>

class CForegroundWatcher {
public:
    // `program`: the image file name of the window's process ("game.exe"),
    // empty when it cannot be told or no window has the foreground; `own`:
    // the window is this program's; `process`: the process the user sees
    // (that of a hosted app's child window), 0 for no window.
    using Callback = std::function<void(const std::u16string& program, bool own, DWORD process)>;

    explicit CForegroundWatcher(Callback callback);
    ~CForegroundWatcher();
    CForegroundWatcher(const CForegroundWatcher&) = delete;
    CForegroundWatcher& operator=(const CForegroundWatcher&) = delete;

private:
    static void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD);
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Report(HWND window);

    // One watcher per thread: the callbacks carry no context.
    static thread_local CForegroundWatcher* active_;
    Callback callback_;
    HWINEVENTHOOK hook_ = nullptr;
    UINT_PTR timer_ = 0;
    HWND last_ = nullptr;
};
