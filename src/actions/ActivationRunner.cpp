#include "actions/ActivationRunner.h"

#include <algorithm>
#include <system_error>

#include "model/KeyAction.h"
#include "platform/IClock.h"

CActivationRunner::CActivationRunner(IClock& clock) : clock_(clock), waitStep_([&clock] { clock.SleepMs(1); }) {}

CActivationRunner::~CActivationRunner() { EndAll(); }

bool CActivationRunner::Start(CKeyAction& key, Work work) {
    std::lock_guard lock(mutex_);
    ReapLocked();
    Activation& activation = activations_.emplace_back();
    activation.key = &key;
    // The finish mark is set inside the tracked work, so a virtual clock
    // sees the waiter find it at the same moment in every run.
    auto body = clock_.TrackActivity([this, &activation, work = std::move(work)] {
        work(activation.stop);
        std::lock_guard finished(mutex_);
        activation.done = true;
    });
    try {
        activation.thread = std::thread(std::move(body));
    } catch (const std::system_error&) {
        activations_.pop_back();
        return false;
    }
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
    for (auto it = activations_.begin(); it != activations_.end();) {
        if (!it->done) {
            ++it;
            continue;
        }
        it->thread.join();  // it has left its work; only the thread's exit remains
        it = activations_.erase(it);
    }
}
