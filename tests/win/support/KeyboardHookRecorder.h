#pragma once
// Records what reaches a low-level keyboard hook. The hook lives on a thread
// of its own that pumps messages, as such hooks require.
#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

struct HookedKey {
    DWORD vk;
    DWORD scan;
    DWORD flags;  // LLKHF_*
    DWORD time;
    int64_t stamp;  // QueryPerformanceCounter when the hook saw it
};

class KeyboardHookRecorder {
public:
    KeyboardHookRecorder();
    ~KeyboardHookRecorder();
    KeyboardHookRecorder(const KeyboardHookRecorder&) = delete;
    KeyboardHookRecorder& operator=(const KeyboardHookRecorder&) = delete;

    // Waits until `count` keys arrived or the timeout passed; returns a copy.
    std::vector<HookedKey> WaitFor(std::size_t count, std::chrono::milliseconds timeout);

private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wp, LPARAM lp);
    void Run();

    static KeyboardHookRecorder* active_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<HookedKey> keys_;
    bool ready_ = false;
    DWORD threadId_ = 0;
    std::thread thread_;
};
