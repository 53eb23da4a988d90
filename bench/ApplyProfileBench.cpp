// Making a profile current against the keyboard simulator: what goes out
// (uploads and commands per apply) and what it costs. On the virtual clock
// the 10 ms pauses between write and read are free, so the wall time is the
// channel's own work; "blockedMs" is the virtual time the pauses add, which
// the user-interface thread spends waiting on a real keyboard. The steady
// clock variant sleeps those pauses for real.
#include <benchmark/benchmark.h>

#include "device/DeviceChannel.h"
#include "device/KeyboardCommands.h"
#include "device/sim/KeyboardSimulator.h"
#include "model/DocProfile.h"
#include "platform/SteadyClock.h"
#include "platform/VirtualClock.h"

namespace {
CDocProfile ProfileWithAssignments() {
    CDocProfile profile;
    profile.ResetToDefaults();
    profile.name = u"Bench";
    for (uint8_t slot : {0x41, 0x57, 0x53, 0x44, 0xA0, 0x70}) profile.keys[slot].kind = kKindKeyboard;
    profile.disableAltTab = 1;
    return profile;
}

void Measure(benchmark::State& state, IClock& clock) {
    KeyboardSimulator keyboard(clock);
    CDeviceChannel channel(keyboard, clock);
    if (!channel.Open()) {
        state.SkipWithError("the simulator did not answer the handshake");
        return;
    }
    const CDocProfile profile = ProfileWithAssignments();
    uint64_t blockedMs = 0;
    for (auto _ : state) {
        keyboard.ClearLog();
        const uint64_t start = clock.NowMs();
        ApplyProfile(channel, profile);
        blockedMs = clock.NowMs() - start;
    }
    int uploads = 0, commands = 0;
    for (const SimulatedDeviceEvent& e : keyboard.Log())
        ++(e.kind == SimulatedDeviceEvent::Kind::Upload ? uploads : commands);
    state.counters["uploads"] = uploads;
    state.counters["commands"] = commands;
    state.counters["blockedMs"] = static_cast<double>(blockedMs);
}

void BM_ApplyProfileVirtualClock(benchmark::State& state) {
    CVirtualClock clock;
    CVirtualClock::Participant self(clock);
    Measure(state, clock);
}
BENCHMARK(BM_ApplyProfileVirtualClock)->Unit(benchmark::kMicrosecond);

void BM_ApplyProfileSteadyClock(benchmark::State& state) {
    CSteadyClock clock;
    Measure(state, clock);
}
BENCHMARK(BM_ApplyProfileSteadyClock)->Unit(benchmark::kMillisecond)->Iterations(20);
}  // namespace
