#include "platform/win32/Win32SystemTimer.h"

#include <gtest/gtest.h>

#include "platform/SystemClock.h"

// How long waits take is measured by the benchmarks; these check that the
// timer paths work at all on this system.
TEST(Win32SystemTimer, WaitsNeverEndEarly) {
    Win32SystemTimer timer;
    CSystemClock clock(timer);
    for (uint32_t ms : {1u, 5u, 20u}) {
        const uint64_t start = clock.NowMs();
        clock.TrackActivity([&] { clock.SleepMs(ms); })();
        EXPECT_GE(clock.NowMs() - start + 1, ms) << ms;  // +1: the counter is read in whole ms
    }
}

TEST(Win32SystemTimer, FineTickCanBeRaisedAndGivenBack) {
    Win32SystemTimer timer;
    ASSERT_TRUE(timer.RaiseResolution());
    timer.RestoreResolution();
}
