#pragma once
// Time as the system's timing rules see it: a monotonic millisecond count and
// a sleep. Production uses the steady clock; tests and replays use a virtual
// clock so that waits are exact and instant. Callable from any thread.
#include <cstdint>
#include <functional>

class IClock {
public:
    virtual ~IClock() = default;
    virtual uint64_t NowMs() const = 0;
    virtual void SleepMs(uint32_t ms) = 0;
    // Sleeps until NowMs() reaches `dueMs` (a due moment already past
    // sleeps 0 ms). A clock whose sleeps wake late ends this one on time.
    virtual void SleepUntilMs(uint64_t dueMs) {
        const uint64_t now = NowMs();
        SleepMs(dueMs > now ? static_cast<uint32_t>(dueMs - now) : 0);
    }

    // Wraps work that another thread will run (a key's worker, a repeat, a
    // listener) so that the clock counts it from this call on, not from the
    // moment that thread happens to start: a virtual clock does not advance
    // while such work is running, and a Windows clock holds a fine timer
    // resolution while it runs. Call it on the starting thread, before the
    // new thread exists. A wrapper that is dropped without being run stops
    // counting then.
    virtual std::function<void()> TrackActivity(std::function<void()> work) { return work; }
};
