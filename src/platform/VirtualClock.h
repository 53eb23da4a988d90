#pragma once
// A clock for tests and replays that runs the program's threads one at a
// time in virtual time, so timing rules are checked exactly and instantly and
// a run is repeatable.
//
// Activities are the threads that take part: a thread that holds a
// Participant, and work wrapped by TrackActivity. At most one activity runs
// at a time; the others sleep on the clock or wait for their turn to start.
// When the running one sleeps or ends, the clock wakes the next in order of
// wake time, ties in order of falling asleep (or of being tracked), and moves
// virtual time forward to it. Time therefore advances only when every
// activity is waiting.
//
// Contract: only activities call SleepMs. An activity must not block on
// anything but the clock (a lock held by a sleeping activity, a join), since
// no other activity runs until it sleeps or ends; wait by sleeping instead.
#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <utility>

#include "platform/IClock.h"

class CVirtualClock final : public IClock {
public:
    explicit CVirtualClock(uint64_t startMs = 0) : now_(startMs) {}
    CVirtualClock(const CVirtualClock&) = delete;
    CVirtualClock& operator=(const CVirtualClock&) = delete;

    uint64_t NowMs() const override;
    // Throws std::logic_error when called while no activity runs.
    void SleepMs(uint32_t ms) override;
    std::function<void()> TrackActivity(std::function<void()> work) override;

    // The calling thread is an activity for the lifetime of this object; its
    // constructor waits for the thread's turn.
    class Participant {
    public:
        explicit Participant(CVirtualClock& clock);
        ~Participant();
        Participant(const Participant&) = delete;
        Participant& operator=(const Participant&) = delete;

    private:
        CVirtualClock& clock_;
    };

private:
    struct Turn {
        bool given = false;
    };
    class Ticket;

    std::shared_ptr<Turn> Enqueue(uint64_t at);
    void WaitForTurn(std::unique_lock<std::mutex>& lock, const Turn& turn);
    void Leave();
    void Cancel(const std::shared_ptr<Turn>& turn);
    void GiveNextTurn();

    mutable std::mutex mutex_;
    std::condition_variable turnGiven_;
    uint64_t now_;
    uint64_t nextOrder_ = 0;
    int running_ = 0;
    // Waiting activities by (wake time, order).
    std::map<std::pair<uint64_t, uint64_t>, std::shared_ptr<Turn>> waiting_;
};
