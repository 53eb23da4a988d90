#pragma once
// The Windows timers behind the program's clock: the performance counter,
// a high-resolution waitable timer per waiting thread where the system has
// them (Windows 10 1803 and later), timeBeginPeriod, and Sleep.
//
// Constructing it also opts the process out of timer-resolution throttling:
// the program's windows are hidden in the tray most of the time, and Windows
// otherwise ignores a hidden process's request for a fine tick.
#include "platform/ISystemTimer.h"

class Win32SystemTimer final : public ISystemTimer {
public:
    Win32SystemTimer();

    uint64_t NowMs() const override;
    bool HasPreciseWait() const override { return precise_; }
    void WaitPrecise(uint32_t ms) override;
    bool RaiseResolution() override;
    void RestoreResolution() override;
    void Sleep(uint32_t ms) override;
    void YieldSlice() override;

private:
    bool precise_ = false;
    long long ticksPerSecond_ = 1;
};
