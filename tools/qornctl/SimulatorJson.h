#pragma once
// What the keyboard simulator received and holds, as JSON Lines objects:
// {"t":ms,"event":"command","command":n,"value":v},
// {"t":ms,"event":"upload","gamingFlags":f,"intercept":[codes],"modifierMask":m}
// and {"event":"state",...} with what the keyboard was told last (null:
// nothing since it was plugged in) and the driver's table.
#include <nlohmann/json.hpp>

#include "device/sim/KeyboardSimulator.h"

nlohmann::ordered_json DeviceEventJson(const SimulatedDeviceEvent& event);
nlohmann::ordered_json SimulatorStateJson(const SimulatedKeyboardState& state);
