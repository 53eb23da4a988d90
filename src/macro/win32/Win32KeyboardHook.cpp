#include "macro/win32/Win32KeyboardHook.h"

IHookedKeySink* Win32KeyboardHook::sink_ = nullptr;
std::function<void()> Win32KeyboardHook::beforeInstall_;

HookedKeystroke HookedKeystrokeOf(WPARAM message, const KBDLLHOOKSTRUCT& record) {
    bool down = (record.flags & LLKHF_UP) == 0;
    if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) down = true;
    if (message == WM_KEYUP || message == WM_SYSKEYUP) down = false;
    return HookedKeystroke{down, record.vkCode, record.scanCode, record.flags, record.time};
}

bool Win32KeyboardHook::Install(IHookedKeySink& sink) {
    if (sink_ != nullptr) return false;
    if (beforeInstall_) beforeInstall_();
    hook_.Reset(SetWindowsHookExW(WH_KEYBOARD_LL, LowLevelKeyboardProc, GetModuleHandleW(nullptr), 0));
    if (hook_) sink_ = &sink;
    return IsInstalled();
}

void Win32KeyboardHook::Remove() {
    if (!hook_) return;
    hook_.Reset();
    sink_ = nullptr;
}

// Every keystroke of HC_ACTION is withheld (result 1); other codes go on
// down the hook chain.
LRESULT CALLBACK Win32KeyboardHook::LowLevelKeyboardProc(int code, WPARAM message, LPARAM record) {
    if (code != HC_ACTION || sink_ == nullptr) return CallNextHookEx(nullptr, code, message, record);
    sink_->OnHookedKey(HookedKeystrokeOf(message, *reinterpret_cast<const KBDLLHOOKSTRUCT*>(record)));
    return 1;
}
