#include "platform/SystemClock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <latch>
#include <mutex>
#include <thread>

namespace {
// A system whose plain sleeps end on the next tick of its timer, 15.625 ms
// unless raised to 1 ms, as on Windows (Wine's timers are finer and would
// hide the difference). Time is simulated, so the tests run instantly.
class TickingTimer final : public ISystemTimer {
public:
    // `lateMs`: how much later than asked a precise wait ends.
    explicit TickingTimer(bool precise, bool raiseAllowed = true, double lateMs = 0)
        : precise_(precise), raiseAllowed_(raiseAllowed), lateMs_(lateMs) {}

    uint64_t NowMs() const override {
        std::lock_guard lock(mutex_);
        return static_cast<uint64_t>(std::floor(nowMs_));
    }
    bool HasPreciseWait() const override { return precise_; }
    void WaitPrecise(uint32_t ms) override {
        std::lock_guard lock(mutex_);
        nowMs_ += ms + lateMs_;
    }
    bool RaiseResolution() override {
        std::lock_guard lock(mutex_);
        if (!raiseAllowed_) return false;
        ++raised_;
        ++raiseCalls;
        return true;
    }
    void RestoreResolution() override {
        std::lock_guard lock(mutex_);
        --raised_;
        ++restoreCalls;
    }
    void Sleep(uint32_t ms) override {
        std::lock_guard lock(mutex_);
        const double tick = raised_ > 0 ? 1.0 : 15.625;
        nowMs_ = std::ceil((nowMs_ + ms) / tick) * tick;
    }
    void YieldSlice() override {
        std::lock_guard lock(mutex_);
        nowMs_ += 0.01;
        ++yields;
    }
    void AdvanceTo(double ms) {
        std::lock_guard lock(mutex_);
        nowMs_ = ms;
    }
    int Raised() const {
        std::lock_guard lock(mutex_);
        return raised_;
    }

    int raiseCalls = 0;
    int restoreCalls = 0;
    int yields = 0;

private:
    mutable std::mutex mutex_;
    const bool precise_;
    const bool raiseAllowed_;
    const double lateMs_;
    double nowMs_ = 0;
    int raised_ = 0;
};

uint64_t TimedWait(IClock& clock, uint32_t ms) {
    const uint64_t start = clock.NowMs();
    clock.SleepMs(ms);
    return clock.NowMs() - start;
}
}  // namespace

TEST(SystemClock, WithoutPreciseTimerTrackedWorkWaitsAboutWhatItAsks) {
    TickingTimer timer(false);
    CSystemClock clock(timer);
    uint64_t inside = 0;
    int raisedInside = 0;
    clock.TrackActivity([&] {
        raisedInside = timer.Raised();
        inside = TimedWait(clock, 5);
    })();
    EXPECT_EQ(raisedInside, 1);
    EXPECT_EQ(inside, 5u);
    EXPECT_EQ(timer.Raised(), 0) << "the fine tick is given back when the work ends";
    // Outside playback and repeats the coarse tick stays: from a tick, a
    // 5 ms wait lasts to the next one.
    clock.SleepMs(1);
    EXPECT_GE(TimedWait(clock, 5), 15u);
}

TEST(SystemClock, WithPreciseTimerNeverTouchesTheTick) {
    TickingTimer timer(true);
    CSystemClock clock(timer);
    uint64_t inside = 0;
    clock.TrackActivity([&] { inside = TimedWait(clock, 5); })();
    EXPECT_EQ(inside, 5u);
    EXPECT_EQ(TimedWait(clock, 5), 5u);
    EXPECT_EQ(timer.raiseCalls, 0);
}

// A macro's schedule: each wait ends in its due millisecond, from wherever
// inside a millisecond it began, although the timer wakes late.
TEST(SystemClock, SleepUntilEndsInTheDueMillisecondThoughTheTimerWakesLate) {
    for (const double start : {0.0, 0.3, 0.95, 7.5}) {
        SCOPED_TRACE(start);
        TickingTimer timer(true, true, 0.9);
        CSystemClock clock(timer);
        timer.AdvanceTo(start);
        clock.SleepUntilMs(10);
        EXPECT_EQ(clock.NowMs(), 10u);
        EXPECT_LT(timer.yields, 300) << "only the last stretch is spent yielding";
        clock.SleepUntilMs(3);  // already past: returns at once
        EXPECT_EQ(clock.NowMs(), 10u);
    }
}

TEST(SystemClock, RefusedRaiseIsNotUndone) {
    TickingTimer timer(false, false);
    CSystemClock clock(timer);
    uint64_t inside = 0;
    clock.TrackActivity([&] { inside = TimedWait(clock, 5); })();
    EXPECT_GE(inside, 15u);
    EXPECT_EQ(timer.restoreCalls, 0);
}

TEST(SystemClockThread, FineTickHeldOnceWhileAnyTrackedWorkRuns) {
    TickingTimer timer(false);
    CSystemClock clock(timer);
    std::latch bothInside(2);
    std::latch firstMayEnd(1);
    std::thread first(clock.TrackActivity([&] {
        bothInside.count_down();
        firstMayEnd.wait();
    }));
    int raisedAfterFirstEnded = -1;
    std::thread second(clock.TrackActivity([&] {
        bothInside.arrive_and_wait();
        firstMayEnd.count_down();
        first.join();
        raisedAfterFirstEnded = timer.Raised();
    }));
    second.join();
    EXPECT_EQ(raisedAfterFirstEnded, 1);
    EXPECT_EQ(timer.raiseCalls, 1);
    EXPECT_EQ(timer.restoreCalls, 1);
    EXPECT_EQ(timer.Raised(), 0);
}
