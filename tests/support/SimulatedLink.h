#pragma once
// A channel wired to the keyboard simulator on a virtual clock, with the
// test's thread as the clock's activity, and readers of what the simulator
// received.
#include <utility>
#include <vector>

#include "device/DeviceChannel.h"
#include "device/sim/KeyboardSimulator.h"
#include "platform/VirtualClock.h"
#include "support/WaitUntil.h"

struct SimulatedLink {
    CVirtualClock clock;
    CVirtualClock::Participant participant{clock};
    KeyboardSimulator keyboard{clock};
    CDeviceChannel channel{keyboard, clock};
};

using CommandList = std::vector<std::pair<int, int>>;

// The commands the keyboard received, as (command, value), in order.
inline CommandList ReceivedCommands(const KeyboardSimulator& keyboard) {
    CommandList commands;
    for (const SimulatedDeviceEvent& e : keyboard.Log())
        if (e.kind == SimulatedDeviceEvent::Kind::Command) commands.emplace_back(e.command, e.value);
    return commands;
}

inline int UploadCount(const KeyboardSimulator& keyboard) {
    int n = 0;
    for (const SimulatedDeviceEvent& e : keyboard.Log()) n += e.kind == SimulatedDeviceEvent::Kind::Upload;
    return n;
}
