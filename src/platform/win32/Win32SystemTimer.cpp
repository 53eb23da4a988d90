#include "platform/win32/Win32SystemTimer.h"

#include <windows.h>
#include <timeapi.h>

#include "platform/win32/UniqueHandle.h"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace {
UniqueHandle CreatePreciseTimer() {
    return UniqueHandle(CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS));
}

// Looked up at run time: SetProcessInformation exists from Windows 8 on, and
// the throttling class only from Windows 10 1709; older systems refuse it.
void OptOutOfTimerThrottling() {
    using SetInfo = BOOL(WINAPI*)(HANDLE, PROCESS_INFORMATION_CLASS, LPVOID, DWORD);
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    if (kernel == nullptr) return;
    auto set = reinterpret_cast<SetInfo>(reinterpret_cast<void*>(GetProcAddress(kernel, "SetProcessInformation")));
    if (set == nullptr) return;
    PROCESS_POWER_THROTTLING_STATE state{};
    state.Version = PROCESS_POWER_THROTTLING_CURRENT_VERSION;
    state.ControlMask = PROCESS_POWER_THROTTLING_IGNORE_TIMER_RESOLUTION;
    state.StateMask = 0;  // controlled and off: the fine tick is honoured
    (void)set(GetCurrentProcess(), ProcessPowerThrottling, &state, sizeof state);  // best effort
}
}  // namespace

Win32SystemTimer::Win32SystemTimer() {
    precise_ = CreatePreciseTimer().Valid();
    LARGE_INTEGER frequency;
    if (QueryPerformanceFrequency(&frequency) && frequency.QuadPart > 0) ticksPerSecond_ = frequency.QuadPart;
    OptOutOfTimerThrottling();
}

uint64_t Win32SystemTimer::NowMs() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<uint64_t>(now.QuadPart / ticksPerSecond_ * 1000 + now.QuadPart % ticksPerSecond_ * 1000 / ticksPerSecond_);
}

void Win32SystemTimer::WaitPrecise(uint32_t ms) {
    // One timer per thread: concurrent waits on one timer would reset each other.
    thread_local UniqueHandle timer = CreatePreciseTimer();
    LARGE_INTEGER due;
    due.QuadPart = -static_cast<LONGLONG>(ms) * 10000;  // relative, in 100 ns units
    if (!timer || !SetWaitableTimer(timer.Get(), &due, 0, nullptr, nullptr, FALSE)) {
        ::Sleep(ms);
        return;
    }
    WaitForSingleObject(timer.Get(), INFINITE);
}

bool Win32SystemTimer::RaiseResolution() { return timeBeginPeriod(1) == TIMERR_NOERROR; }

void Win32SystemTimer::RestoreResolution() { timeEndPeriod(1); }

void Win32SystemTimer::Sleep(uint32_t ms) { ::Sleep(ms); }

void Win32SystemTimer::YieldSlice() { (void)SwitchToThread(); }  // false when no other thread was ready: fine
