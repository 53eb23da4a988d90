#include "platform/VirtualClock.h"

#include <algorithm>
#include <stdexcept>

// Shared by the copies of one tracked work's wrapper, so that a wrapper that
// is never run gives its place back when the last copy goes.
class CVirtualClock::Ticket {
public:
    Ticket(CVirtualClock& clock, std::shared_ptr<Turn> turn) : clock_(clock), turn_(std::move(turn)) {}
    Ticket(const Ticket&) = delete;
    Ticket& operator=(const Ticket&) = delete;
    ~Ticket() {
        if (!started_) clock_.Cancel(turn_);
    }

    void Run(const std::function<void()>& work) {
        {
            std::unique_lock lock(clock_.mutex_);
            if (started_) throw std::logic_error("tracked work run twice");
            clock_.WaitForTurn(lock, *turn_);
            started_ = true;
        }
        struct Leaving {
            CVirtualClock& clock;
            ~Leaving() { clock.Leave(); }
        } leaving{clock_};
        work();
    }

private:
    CVirtualClock& clock_;
    std::shared_ptr<Turn> turn_;
    bool started_ = false;  // guarded by the clock's mutex
};

uint64_t CVirtualClock::NowMs() const {
    std::lock_guard lock(mutex_);
    return now_;
}

void CVirtualClock::SleepMs(uint32_t ms) {
    std::unique_lock lock(mutex_);
    if (running_ < 1) throw std::logic_error("SleepMs called outside an activity of the virtual clock");
    const std::shared_ptr<Turn> turn = Enqueue(now_ + ms);
    --running_;
    GiveNextTurn();
    WaitForTurn(lock, *turn);
}

std::function<void()> CVirtualClock::TrackActivity(std::function<void()> work) {
    std::shared_ptr<Turn> turn;
    {
        std::lock_guard lock(mutex_);
        turn = Enqueue(now_);
    }
    auto ticket = std::make_shared<Ticket>(*this, std::move(turn));
    return [ticket, work = std::move(work)] { ticket->Run(work); };
}

CVirtualClock::Participant::Participant(CVirtualClock& clock) : clock_(clock) {
    std::unique_lock lock(clock_.mutex_);
    const std::shared_ptr<Turn> turn = clock_.Enqueue(clock_.now_);
    clock_.GiveNextTurn();
    clock_.WaitForTurn(lock, *turn);
}

CVirtualClock::Participant::~Participant() { clock_.Leave(); }

std::shared_ptr<CVirtualClock::Turn> CVirtualClock::Enqueue(uint64_t at) {
    auto turn = std::make_shared<Turn>();
    waiting_.emplace(std::make_pair(at, nextOrder_++), turn);
    return turn;
}

void CVirtualClock::WaitForTurn(std::unique_lock<std::mutex>& lock, const Turn& turn) {
    turnGiven_.wait(lock, [&turn] { return turn.given; });
}

void CVirtualClock::Leave() {
    std::lock_guard lock(mutex_);
    --running_;
    GiveNextTurn();
}

void CVirtualClock::Cancel(const std::shared_ptr<Turn>& turn) {
    std::lock_guard lock(mutex_);
    if (turn->given) {
        --running_;
    } else {
        const auto it = std::find_if(waiting_.begin(), waiting_.end(), [&](const auto& w) { return w.second == turn; });
        if (it != waiting_.end()) waiting_.erase(it);
    }
    GiveNextTurn();
}

void CVirtualClock::GiveNextTurn() {
    if (running_ > 0 || waiting_.empty()) return;
    const auto next = waiting_.begin();
    now_ = std::max(now_, next->first.first);
    next->second->given = true;
    waiting_.erase(next);
    ++running_;
    turnGiven_.notify_all();
}
