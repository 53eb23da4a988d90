#include "actions/ActivationRunner.h"

#include <algorithm>
#include <system_error>

#include "model/KeyAction.h"
#include "platform/IClock.h"

CActivationRunner::CActivationRunner(IClock& clock, std::size_t warmThreads)
    : clock_(clock), waitStep_([&clock] { clock.SleepMs(1); }) {
    std::lock_guard lock(mutex_);
    for (std::size_t i = 0; i < warmThreads && AddThreadLocked(); ++i) {
    }
}

CActivationRunner::~CActivationRunner() {
    EndAll();
    {
        std::lock_guard lock(mutex_);
        closing_ = true;
    }
    queued_.notify_all();
    for (std::thread& thread : threads_) thread.join();
}

bool CActivationRunner::Start(CKeyAction& key, Work work) {
    std::lock_guard lock(mutex_);
    ReapLocked();
    // Each queued activation needs an idle thread of its own.
    if (idle_ <= queue_.size() && !AddThreadLocked()) return false;
    Activation& activation = activations_.emplace_back();
    activation.key = &key;
    // The finish mark is set inside the tracked work, so a virtual clock
    // sees the waiter find it at the same moment in every run. Tracking
    // starts here, on the starting thread, as the clock requires.
    // The thread counts as idle again with the same mark: a press that
    // comes right after an ending must not add a thread for it.
    activation.body = clock_.TrackActivity([this, &activation, work = std::move(work)] {
        work(activation.stop);
        std::lock_guard finished(mutex_);
        activation.done = true;
        ++idle_;
    });
    queue_.push_back(&activation);
    queued_.notify_one();
    return true;
}

void CActivationRunner::EndAndWait(std::span<CKeyAction> keys) {
    for (CKeyAction& key : keys) key.released = 1;
    const std::less<const CKeyAction*> before;
    const CKeyAction* first = keys.data();
    const CKeyAction* end = keys.data() + keys.size();
    EndWhere([&](const CKeyAction* key) { return !before(key, first) && before(key, end); });
}

void CActivationRunner::EndAll() {
    EndWhere([](const CKeyAction*) { return true; });
}

std::size_t CActivationRunner::Running() const {
    std::lock_guard lock(mutex_);
    return static_cast<std::size_t>(
        std::count_if(activations_.begin(), activations_.end(), [](const Activation& a) { return !a.done; }));
}

bool CActivationRunner::Busy(const CKeyAction& key) const {
    std::lock_guard lock(mutex_);
    return std::any_of(activations_.begin(), activations_.end(),
                       [&](const Activation& a) { return a.key == &key && !a.done; });
}

std::size_t CActivationRunner::Threads() const {
    std::lock_guard lock(mutex_);
    return threads_.size();
}

void CActivationRunner::EndWhere(const std::function<bool(const CKeyAction*)>& chosen) {
    for (;;) {
        {
            std::lock_guard lock(mutex_);
            ReapLocked();
            bool waiting = false;
            for (Activation& activation : activations_)
                if (chosen(activation.key)) {
                    activation.key->released = 1;
                    activation.stop = true;
                    waiting = true;
                }
            if (!waiting) return;
        }
        waitStep_();
    }
}

void CActivationRunner::ReapLocked() {
    activations_.remove_if([](const Activation& a) { return a.done; });
}

bool CActivationRunner::AddThreadLocked() {
    try {
        threads_.emplace_back([this] { ThreadLoop(); });
    } catch (const std::system_error&) {
        return false;
    }
    ++idle_;
    return true;
}

void CActivationRunner::ThreadLoop() {
    std::unique_lock lock(mutex_);
    for (;;) {
        queued_.wait(lock, [this] { return closing_ || !queue_.empty(); });
        if (queue_.empty()) return;  // closing, and nothing is left to run
        --idle_;
        // The body marks the activation done as its last step, after which
        // the activation may be reaped: it is moved out to outlive that.
        std::function<void()> body = std::move(queue_.front()->body);
        queue_.pop_front();
        lock.unlock();
        body();
        body = nullptr;
        lock.lock();
    }
}
