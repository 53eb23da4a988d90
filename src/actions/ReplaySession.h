#pragma once
// Runs a script of keyboard reports, unplugs and plugs through the real
// dispatcher and key action execution, against the keyboard simulator and
// in virtual time, and tells everything the program did to the computer and
// to the keyboard, in the order it happened. This is how a user sees what a
// profile does before trusting it.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "actions/Dispatcher.h"
#include "device/sim/KeyboardSimulator.h"
#include "model/DocProfileSet.h"
#include "model/InputRecord.h"

struct ReplayStep {
    enum class Kind { Report, Unplug, Plug, End };
    uint64_t t = 0;
    Kind kind = Kind::Report;
    std::array<uint8_t, CDispatcher::kReportSize> report{};
};

struct ReplayEvent {
    enum class Kind { Input, Tap, Launch, Suspend, Profile, Recording, Device };
    uint64_t t = 0;
    Kind kind = Kind::Input;
    InputRecord record;            // Input
    uint16_t vk = 0;               // Tap
    bool flag = false;             // Tap: key up; Recording: on
    std::u16string text;           // Launch: target; Profile: name
    SimulatedDeviceEvent device;   // Device: a command or upload the keyboard received
};

// Steps must come in time order; the run stops at the first End step.
// Without one it goes on after the last step until every activation has
// ended, but at most 10 s. The profile set is the session's own: the run changes
// it the way the program would (current profile, gaming mode, brightness).
std::vector<ReplayEvent> RunReplay(CDocProfileSet profiles, const CDispatcher::MacroSource& macros,
                                   const std::vector<ReplayStep>& steps);
