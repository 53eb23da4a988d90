#pragma once
// A clock for single-threaded timing checks: time moves only when someone
// sleeps, by exactly the time slept, and no sleep blocks.
#include <atomic>

#include "platform/IClock.h"

class StepClock final : public IClock {
public:
    uint64_t NowMs() const override { return now_.load(); }
    void SleepMs(uint32_t ms) override { now_ += ms; }

private:
    std::atomic<uint64_t> now_{0};
};
