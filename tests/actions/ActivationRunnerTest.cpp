#include "actions/ActivationRunner.h"

#include <gtest/gtest.h>

#include <array>

#include "model/KeyAction.h"
#include "platform/VirtualClock.h"

namespace {
// Work that runs until it is told to stop, counting its runs.
CActivationRunner::Work Held(IClock& clock, std::atomic<int>& ran) {
    return [&clock, &ran](const std::atomic<bool>& stop) {
        ++ran;
        while (!stop) clock.SleepMs(5);
    };
}
}  // namespace

// The pool grows to the activations that run at once, keeps its threads for
// later presses, and ending one key's activations leaves the others running.
TEST(ActivationRunner, PoolThreadsGrowWithConcurrencyAndAreReused) {
    CVirtualClock clock;
    CVirtualClock::Participant self{clock};
    std::array<CKeyAction, 3> keys{CKeyAction(u"A", 4, kKeyTypeNormal), CKeyAction(u"B", 5, kKeyTypeNormal),
                                   CKeyAction(u"C", 6, kKeyTypeNormal)};
    std::atomic<int> ran{0};
    CActivationRunner runner{clock, 1};
    EXPECT_EQ(runner.Threads(), 1u);

    for (int round = 0; round < 2; ++round) {
        for (CKeyAction& key : keys) ASSERT_TRUE(runner.Start(key, Held(clock, ran)));
        clock.SleepMs(20);
        EXPECT_EQ(runner.Running(), 3u);
        runner.EndAndWait(std::span(keys).first(1));
        EXPECT_EQ(runner.Running(), 2u);
        EXPECT_EQ(keys[0].released, 1u);
        runner.EndAll();
        EXPECT_EQ(runner.Running(), 0u);
        EXPECT_EQ(runner.Threads(), 3u);
    }
    EXPECT_EQ(ran, 6);
}

// Work handed over in a burst, more than the idle threads, all runs, and the
// runner's end waits for it and for its threads.
TEST(ActivationRunner, BurstBeyondTheIdleThreadsAllRunsBeforeTheEnd) {
    CVirtualClock clock;
    CVirtualClock::Participant self{clock};
    CKeyAction key(u"A", 4, kKeyTypeNormal);
    std::atomic<int> ran{0};
    {
        CActivationRunner runner{clock, 2};
        for (int i = 0; i < 10; ++i)
            ASSERT_TRUE(runner.Start(key, [&clock, &ran](const std::atomic<bool>&) {
                clock.SleepMs(1);
                ++ran;
            }));
        EXPECT_LE(runner.Threads(), 10u);
    }
    EXPECT_EQ(ran, 10);
}
