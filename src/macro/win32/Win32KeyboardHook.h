#pragma once
// The low-level keyboard hook of the recorder (WH_KEYBOARD_LL). Install on
// the user-interface thread: the system calls the hook there while that
// thread pumps messages, and the hook hands each keystroke straight to the
// sink on the same thread, then withholds it. A same-thread SendMessageW to
// a window would be this same direct call.
//
// The hook and its sink are process-wide, as the system's hook procedure
// carries no context: while one object has the hook installed, Install on
// any other fails.
#include <windows.h>

#include <functional>

#include "platform/IKeyboardHook.h"
#include "platform/win32/UniqueResource.h"

struct HookFree {
    void operator()(HHOOK h) const { UnhookWindowsHookEx(h); }
};
using UniqueHook = UniqueResource<HHOOK, HookFree>;

// The portable form of one hook call: the keyboard message (WM_KEYDOWN,
// WM_SYSKEYDOWN, WM_KEYUP or WM_SYSKEYUP; any other message is read from
// the record's up flag) and the hook record.
HookedKeystroke HookedKeystrokeOf(WPARAM message, const KBDLLHOOKSTRUCT& record);

class Win32KeyboardHook final : public IKeyboardHook {
public:
    Win32KeyboardHook() = default;
    ~Win32KeyboardHook() override { Remove(); }
    Win32KeyboardHook(const Win32KeyboardHook&) = delete;
    Win32KeyboardHook& operator=(const Win32KeyboardHook&) = delete;

    // Runs the process's `beforeInstall`, then installs.
    bool Install(IHookedKeySink& sink) override;
    // What runs before any hook of the process goes in (empty: nothing): the
    // program lets go of the keys its actions hold, which the hook would
    // otherwise record.
    static void SetBeforeInstall(std::function<void()> beforeInstall) { beforeInstall_ = std::move(beforeInstall); }
    void Remove() override;
    bool IsInstalled() const override { return static_cast<bool>(hook_); }

private:
    static LRESULT CALLBACK LowLevelKeyboardProc(int code, WPARAM message, LPARAM record);

    // The sink of the installed hook; null while no hook is installed.
    static IHookedKeySink* sink_;
    static std::function<void()> beforeInstall_;
    UniqueHook hook_;
};
