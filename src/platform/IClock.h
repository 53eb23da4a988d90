#pragma once
// Time as the system's timing rules see it: a monotonic millisecond count and
// a sleep. Production uses the steady clock; tests and replays use a virtual
// clock so that waits are exact and instant. Callable from any thread.
#include <cstdint>

class IClock {
public:
    virtual ~IClock() = default;
    virtual uint64_t NowMs() const = 0;
    virtual void SleepMs(uint32_t ms) = 0;
};
