// How long a key press takes from the report reaching the dispatcher to the
// first input record leaving the program, without and with the activity ring
// (argument 1), next to the cost of starting and joining one bare thread
// (what a press would pay without the runner's threads started ahead), and
// what one note in the ring costs.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "actions/Dispatcher.h"
#include "platform/IClock.h"
#include "platform/IHostActions.h"
#include "platform/IInputSink.h"
#include "support/EnterKeyProfiles.h"
#include "support/FakeDispatcherHost.h"

namespace {
using Clock = std::chrono::steady_clock;

// Notes when the first record arrives; waits only yield, so an activation
// ends as soon as it has sent its records.
class StampingSink final : public IInputSink, public IClock, public IHostActions {
public:
    bool Send(const InputRecord&) override {
        if (!claimed_.exchange(true)) {
            stamp_ = Clock::now();
            sent_ = true;  // published after the stamp
            sent_.notify_one();
        }
        return true;
    }
    void Tap(uint16_t, bool) override {}
    uint64_t NowMs() const override { return 0; }
    void SleepMs(uint32_t) override { std::this_thread::yield(); }
    bool Launch(const std::u16string&) override { return true; }
    void Suspend() override {}

    void Arm() {
        claimed_ = false;
        sent_ = false;
    }
    Clock::time_point WaitForFirst() const {
        sent_.wait(false);  // blocks rather than spins: the worker needs the core
        return stamp_;
    }

private:
    std::atomic<bool> claimed_{false};
    std::atomic<bool> sent_{false};
    Clock::time_point stamp_;
};

void ReportToFirstInput(benchmark::State& state) {
    StampingSink sink;
    CActivityRing activity;
    const ActionServices services{sink, sink, sink, state.range(0) != 0 ? &activity : nullptr};
    CDocProfileSet profiles = EnterKeyProfiles();
    FakeDispatcherHost host(profiles);
    CDispatcher dispatcher(profiles, host, services, [](const std::u16string&) { return MacroSnapshot{}; });
    const std::array<uint8_t, 12> pressed{0, 0, 0x28};
    const std::array<uint8_t, 12> released{};
    for (auto _ : state) {
        sink.Arm();
        const Clock::time_point start = Clock::now();
        dispatcher.OnDeviceReport(pressed.data(), pressed.size());
        const Clock::time_point first = sink.WaitForFirst();
        state.SetIterationTime(std::chrono::duration<double>(first - start).count());
        dispatcher.OnDeviceReport(released.data(), released.size());
        dispatcher.EndAllActivations();
    }
}
BENCHMARK(ReportToFirstInput)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly();

void StartAndJoinBareThread(benchmark::State& state) {
    for (auto _ : state) std::thread([] {}).join();
}
BENCHMARK(StartAndJoinBareThread)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly();
// What a worker pays after its first record: one "sent Enter" in the ring.
void ActivityNote(benchmark::State& state) {
    CActivityRing activity;
    for (auto _ : state) NoteActivity(&activity, {0x28, {}}, ActivityKind::Sent, 0, 0x0D);
}
BENCHMARK(ActivityNote)->Unit(benchmark::kNanosecond)->Repetitions(10)->ReportAggregatesOnly();
}  // namespace
