#pragma once
// The operating system's timers, as the production clock needs them. Windows
// sleeps in whole ticks of the system timer (15.625 ms unless raised), so a
// 5 ms wait would take a full tick; a high-resolution waitable timer avoids
// that, and where there is none the tick can be shortened to 1 ms for a
// while. Callable from any thread.
#include <cstdint>

class ISystemTimer {
public:
    virtual ~ISystemTimer() = default;
    virtual uint64_t NowMs() const = 0;
    // Whether WaitPrecise works here (Windows 10 1803 and later).
    virtual bool HasPreciseWait() const = 0;
    // Waits ms with sub-tick precision; only when HasPreciseWait.
    virtual void WaitPrecise(uint32_t ms) = 0;
    // Shortens the system tick to 1 ms until RestoreResolution; false when
    // the system refused, and then RestoreResolution must not be called.
    virtual bool RaiseResolution() = 0;
    virtual void RestoreResolution() = 0;
    // Plain thread sleep, rounded up to the current tick.
    virtual void Sleep(uint32_t ms) = 0;
    // Gives the rest of the thread's time slice to others.
    virtual void YieldSlice() = 0;
};
