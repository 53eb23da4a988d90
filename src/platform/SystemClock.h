#pragma once
// The program's clock on Windows: waits take about what they ask for. With a
// high-resolution waitable timer every wait uses it. Without one, the system
// tick is shortened to 1 ms while tracked work (playback, a repeat) runs and
// restored when the last such work ends, because a short tick costs power
// for the whole system; other waits (the user-interface thread's) stay plain
// sleeps.
#include <mutex>

#include "platform/IClock.h"
#include "platform/ISystemTimer.h"

class CSystemClock final : public IClock {
public:
    // The timer must outlive the clock and every wrapper it hands out.
    explicit CSystemClock(ISystemTimer& timer);

    uint64_t NowMs() const override;
    void SleepMs(uint32_t ms) override;
    void SleepUntilMs(uint64_t dueMs) override;
    std::function<void()> TrackActivity(std::function<void()> work) override;

private:
    // A timer's wait may end up to about a millisecond late (under Wine
    // too): the last stretch before a due moment is spent yielding instead.
    static constexpr uint64_t kYieldMs = 2;

    void Hold();
    void Release();

    ISystemTimer& timer_;
    const bool precise_;
    std::mutex mutex_;
    int holders_ = 0;       // tracked work running, guarded by mutex_
    bool raised_ = false;   // the tick is shortened, guarded by mutex_
};
