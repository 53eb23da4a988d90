#include "platform/SystemClock.h"

CSystemClock::CSystemClock(ISystemTimer& timer) : timer_(timer), precise_(timer.HasPreciseWait()) {}

uint64_t CSystemClock::NowMs() const { return timer_.NowMs(); }

void CSystemClock::SleepMs(uint32_t ms) {
    if (precise_)
        timer_.WaitPrecise(ms);
    else
        timer_.Sleep(ms);
}

void CSystemClock::SleepUntilMs(uint64_t dueMs) {
    const uint64_t now = NowMs();
    if (dueMs > now + kYieldMs) SleepMs(static_cast<uint32_t>(dueMs - now - kYieldMs));
    while (NowMs() < dueMs) timer_.YieldSlice();
}

std::function<void()> CSystemClock::TrackActivity(std::function<void()> work) {
    if (precise_) return work;
    return [this, work = std::move(work)] {
        Hold();
        struct Releasing {
            CSystemClock& clock;
            ~Releasing() { clock.Release(); }
        } releasing{*this};
        work();
    };
}

void CSystemClock::Hold() {
    std::lock_guard lock(mutex_);
    if (holders_++ == 0) raised_ = timer_.RaiseResolution();
}

void CSystemClock::Release() {
    std::lock_guard lock(mutex_);
    if (--holders_ == 0 && raised_) {
        timer_.RestoreResolution();
        raised_ = false;
    }
}
