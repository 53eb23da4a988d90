#include "win/support/KeyboardHookRecorder.h"

KeyboardHookRecorder* KeyboardHookRecorder::active_ = nullptr;

KeyboardHookRecorder::KeyboardHookRecorder() {
    active_ = this;
    thread_ = std::thread([this] { Run(); });
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return ready_; });
}

KeyboardHookRecorder::~KeyboardHookRecorder() {
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.join();
    active_ = nullptr;
}

void KeyboardHookRecorder::Run() {
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // create the queue first
    HHOOK hook = SetWindowsHookExW(WH_KEYBOARD_LL, HookProc, GetModuleHandleW(nullptr), 0);
    {
        std::lock_guard lock(mutex_);
        threadId_ = GetCurrentThreadId();
        ready_ = true;
    }
    changed_.notify_all();
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    if (hook) UnhookWindowsHookEx(hook);
}

LRESULT CALLBACK KeyboardHookRecorder::HookProc(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION && active_) {
        const auto* k = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lp);
        LARGE_INTEGER now{};
        QueryPerformanceCounter(&now);
        {
            std::lock_guard lock(active_->mutex_);
            active_->keys_.push_back({k->vkCode, k->scanCode, k->flags, k->time, now.QuadPart});
        }
        active_->changed_.notify_all();
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

std::vector<HookedKey> KeyboardHookRecorder::WaitFor(std::size_t count, std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, timeout, [&] { return keys_.size() >= count; });
    return keys_;
}
