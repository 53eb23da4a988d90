#pragma once
// A system-wide low-level keyboard hook: while it is installed every
// keystroke of every keyboard is handed to one sink and withheld from all
// applications, this one included.
//
// Win32: SetWindowsHookExW with WH_KEYBOARD_LL, installed on the
// user-interface thread; the system calls the hook on that thread while it
// pumps messages, so the sink runs there too and must return quickly (the
// system skips a hook that keeps it waiting). One hook per process.
#include <cstdint>

// Flag bits of a hooked keystroke, as the system reports them.
constexpr uint32_t kHookFlagExtended = 0x01;
constexpr uint32_t kHookFlagInjected = 0x10;
constexpr uint32_t kHookFlagUp = 0x80;

// One keystroke as the hook receives it.
struct HookedKeystroke {
    // From the keyboard message: a key-down (also the system key-down of Alt
    // combinations and every auto-repeat) or a key-up.
    bool keyDown = false;
    uint32_t vkCode = 0;
    uint32_t scanCode = 0;
    uint32_t flags = 0;
    // The system's time stamp in milliseconds; wraps around at 2^32.
    uint32_t time = 0;
};

class IHookedKeySink {
public:
    virtual ~IHookedKeySink() = default;
    virtual void OnHookedKey(const HookedKeystroke& key) = 0;
};

// User-interface thread only.
class IKeyboardHook {
public:
    virtual ~IKeyboardHook() = default;
    // Starts withholding keystrokes and handing them to `sink`, which must
    // stay alive until Remove. False when the system refuses the hook (or a
    // hook of this process is already installed); nothing changes then.
    virtual bool Install(IHookedKeySink& sink) = 0;
    // Keystrokes reach the system again. Harmless when nothing is installed.
    virtual void Remove() = 0;
    virtual bool IsInstalled() const = 0;
};
