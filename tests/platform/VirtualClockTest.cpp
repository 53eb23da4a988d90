#include "platform/VirtualClock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {
// What the tracked workers of a test saw, in the order they saw it.
struct Log {
    std::mutex mutex;
    std::vector<std::string> lines;
    void Add(std::string line) {
        std::lock_guard lock(mutex);
        lines.push_back(std::move(line));
    }
};

std::thread StartTracked(CVirtualClock& clock, std::function<void()> work) {
    return std::thread(clock.TrackActivity(std::move(work)));
}

// One tracked worker per value, running work(value), while the test thread
// takes part in the clock and runs `own`; returns once all have ended.
void RunTracked(CVirtualClock& clock, std::initializer_list<uint32_t> values,
                const std::function<void(uint32_t)>& work, const std::function<void()>& own) {
    std::vector<std::thread> threads;
    {
        CVirtualClock::Participant self(clock);
        for (const uint32_t value : values) threads.push_back(StartTracked(clock, [&work, value] { work(value); }));
        own();
    }
    for (auto& t : threads) t.join();
}
}  // namespace

TEST(VirtualClock, SleepAdvancesExactlyAndInstantly) {
    CVirtualClock clock(1000);
    CVirtualClock::Participant self(clock);
    const auto realStart = std::chrono::steady_clock::now();
    clock.SleepMs(30);
    clock.SleepMs(0);
    clock.SleepMs(600000);
    EXPECT_EQ(clock.NowMs(), 1000u + 30 + 600000);
    EXPECT_LT(std::chrono::steady_clock::now() - realStart, std::chrono::seconds(5));
}

TEST(VirtualClock, SleepOutsideAnActivityIsRefused) {
    CVirtualClock clock;
    EXPECT_THROW(clock.SleepMs(5), std::logic_error);
    EXPECT_EQ(clock.NowMs(), 0u);
}

TEST(VirtualClockThread, SleepersWakeInTimeOrderThenInOrderOfFallingAsleep) {
    CVirtualClock clock;
    Log log;
    RunTracked(
        clock, {30u, 10u, 20u, 10u},
        [&](uint32_t ms) {
            clock.SleepMs(ms);
            log.Add(std::to_string(ms) + "@" + std::to_string(clock.NowMs()));
        },
        [&] {
            clock.SleepMs(25);
            log.Add("self@" + std::to_string(clock.NowMs()));
        });
    // The two 10 ms sleepers fell asleep in the order they were tracked.
    EXPECT_EQ(log.lines, (std::vector<std::string>{"10@10", "10@10", "20@20", "self@25", "30@30"}));
}

TEST(VirtualClockThread, TimeStandsStillWhileAnyActivityRuns) {
    CVirtualClock clock;
    uint64_t seenAtStart = 99;
    uint64_t seenAfterWork = 99;
    uint64_t selfWoke = 0;
    std::thread worker;
    {
        CVirtualClock::Participant self(clock);
        worker = StartTracked(clock, [&] {
            seenAtStart = clock.NowMs();
            std::this_thread::sleep_for(std::chrono::milliseconds(30));  // real time passes, virtual time does not
            seenAfterWork = clock.NowMs();
            clock.SleepMs(7);
        });
        clock.SleepMs(5);
        selfWoke = clock.NowMs();
    }
    worker.join();
    EXPECT_EQ(seenAtStart, 0u);
    EXPECT_EQ(seenAfterWork, 0u);
    EXPECT_EQ(selfWoke, 5u);
    EXPECT_EQ(clock.NowMs(), 7u);
}

TEST(VirtualClockThread, WorkStartingLateStillCountsFromWhenItWasTracked) {
    CVirtualClock clock;
    uint64_t workerStart = 99;
    std::thread worker;
    {
        CVirtualClock::Participant self(clock);
        auto work = clock.TrackActivity([&] {
            workerStart = clock.NowMs();
            clock.SleepMs(10);
        });
        worker = std::thread([work] {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            work();
        });
        clock.SleepMs(3);
        EXPECT_EQ(clock.NowMs(), 3u);
    }
    worker.join();
    EXPECT_EQ(workerStart, 0u);
    EXPECT_EQ(clock.NowMs(), 10u);
}

TEST(VirtualClock, TrackedWorkThatNeverRunsDoesNotHoldTimeBack) {
    CVirtualClock clock;
    CVirtualClock::Participant self(clock);
    { auto dropped = clock.TrackActivity([] {}); }
    clock.SleepMs(10);
    EXPECT_EQ(clock.NowMs(), 10u);
}

TEST(VirtualClockThread, ManyActivitiesSleepingInLoopsStayInStep) {
    CVirtualClock clock;
    Log log;
    RunTracked(
        clock, {3u, 5u, 7u},
        [&](uint32_t period) {
            for (int i = 0; i < 20; ++i) {
                clock.SleepMs(period);
                if (clock.NowMs() % period != 0) log.Add("late " + std::to_string(clock.NowMs()));
            }
        },
        [&] { clock.SleepMs(1000); });
    EXPECT_TRUE(log.lines.empty()) << log.lines.front();
    EXPECT_EQ(clock.NowMs(), 1000u);
}
