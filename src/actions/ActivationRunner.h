#pragma once
// Starts the worker and repeat threads of key presses and keeps each one's
// key and stop flag, so that a key's record is never freed or overwritten
// while a thread reads it: before a profile is deleted or replaced, and at
// shutdown, the owner ends that profile's activations and waits for them.
//
// Threads: Start and the ending calls run on the user-interface thread; the
// activations run on their own threads and never call back into the runner.
#include <atomic>
#include <cstddef>
#include <functional>
#include <list>
#include <mutex>
#include <span>
#include <thread>

class CKeyAction;
class IClock;

class CActivationRunner {
public:
    using Work = std::function<void(const std::atomic<bool>& stop)>;

    explicit CActivationRunner(IClock& clock);
    // Ends every activation and waits for it.
    ~CActivationRunner();
    CActivationRunner(const CActivationRunner&) = delete;
    CActivationRunner& operator=(const CActivationRunner&) = delete;

    // Runs `work` on a new thread (normal priority, default stack), bound to
    // `key`. False when no thread could be started; the action is lost.
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

private:
    struct Activation {
        CKeyAction* key;
        std::atomic<bool> stop{false};
        bool done = false;  // guarded by mutex_
        std::thread thread;
    };

    // Ends the activations `chosen` picks and waits for them.
    void EndWhere(const std::function<bool(const CKeyAction*)>& chosen);
    // Joins and forgets finished activations; with mutex_ held.
    void ReapLocked();

    IClock& clock_;
    std::function<void()> waitStep_;
    mutable std::mutex mutex_;
    std::list<Activation> activations_;
};
