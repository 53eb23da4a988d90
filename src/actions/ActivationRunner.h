#pragma once
// Runs the work of key presses (workers, repeats) on pooled threads and keeps
// each activation's key and stop flag, so that a key's record is never freed
// or overwritten while a thread reads it: before a profile is deleted or
// replaced, and at shutdown, the owner ends that profile's activations and
// waits for them.
//
// Threads are started ahead and kept: starting a thread costs far more than
// the rest of a key press (most of a millisecond under Wine), and a press
// must act at once. The pool grows to the most activations that ever ran at
// the same time and keeps that many threads until the runner is destroyed.
//
// Threads: Start and the ending calls run on the user-interface thread; the
// activations run on the pool's threads and never call back into the runner.
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <list>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

class CKeyAction;
class IClock;

class CActivationRunner {
public:
    using Work = std::function<void(const std::atomic<bool>& stop)>;

    // Starts `warmThreads` idle threads (as many as could be started).
    CActivationRunner(IClock& clock, std::size_t warmThreads = 2);
    // Ends every activation, waits for it, and ends the threads.
    ~CActivationRunner();
    CActivationRunner(const CActivationRunner&) = delete;
    CActivationRunner& operator=(const CActivationRunner&) = delete;

    // Runs `work` on an idle thread, or on a new one when none is idle,
    // bound to `key`. False when no thread was idle and none could be
    // started; the action is lost.
    bool Start(CKeyAction& key, Work work);

    // Marks every key of `keys` released, asks the activations bound to them
    // to stop, and waits until they have ended.
    void EndAndWait(std::span<CKeyAction> keys);
    // The same for every activation, at shutdown.
    void EndAll();

    // One step of waiting on the user-interface thread; by default a 1 ms
    // sleep on the clock. The shell handles messages sent to its window here,
    // since a brightness repeat may be waiting for the window to answer.
    void SetWaitStep(std::function<void()> step) { waitStep_ = std::move(step); }

    std::size_t Running() const;
    // Whether an activation bound to `key` has not ended yet.
    bool Busy(const CKeyAction& key) const;
    std::size_t Threads() const;

private:
    struct Activation {
        CKeyAction* key;
        std::atomic<bool> stop{false};
        bool done = false;           // guarded by mutex_
        std::function<void()> body;  // taken by the thread that runs it
    };

    // Ends the activations `chosen` picks and waits for them.
    void EndWhere(const std::function<bool(const CKeyAction*)>& chosen);
    // Forgets finished activations; with mutex_ held.
    void ReapLocked();
    // Adds an idle thread; with mutex_ held. False when none could be started.
    bool AddThreadLocked();
    void ThreadLoop();

    IClock& clock_;
    std::function<void()> waitStep_;
    mutable std::mutex mutex_;
    std::condition_variable queued_;
    std::list<Activation> activations_;  // queued or running, until reaped
    std::deque<Activation*> queue_;      // handed over, not yet taken
    std::vector<std::thread> threads_;
    std::size_t idle_ = 0;  // threads that will take the next queued activation
    bool closing_ = false;
};
