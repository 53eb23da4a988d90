#include "qornctl/SimulatorJson.h"

namespace {
// Device codes whose entry is set; entry 255 is the modifier mask.
nlohmann::ordered_json InterceptList(const InterceptTable& table) {
    nlohmann::ordered_json codes = nlohmann::ordered_json::array();
    for (std::size_t code = 0; code < kModifierMaskEntry; ++code)
        if (table[code] != 0) codes.push_back(code);
    return codes;
}

template <class T>
nlohmann::ordered_json Told(const std::optional<T>& value) {
    return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
}
}  // namespace

nlohmann::ordered_json DeviceEventJson(const SimulatedDeviceEvent& event) {
    nlohmann::ordered_json j;
    j["t"] = event.timeMs;
    if (event.kind == SimulatedDeviceEvent::Kind::Command) {
        j["event"] = "command";
        j["command"] = event.command;
        j["value"] = event.value;
    } else {
        j["event"] = "upload";
        j["gamingFlags"] = event.gamingFlags;
        j["intercept"] = InterceptList(event.table);
        j["modifierMask"] = event.table[kModifierMaskEntry];
    }
    return j;
}

nlohmann::ordered_json SimulatorStateJson(const SimulatedKeyboardState& state) {
    nlohmann::ordered_json j;
    j["event"] = "state";
    j["present"] = Told(state.present);
    j["backlight"] = Told(state.backlight);
    j["effect"] = Told(state.effect);
    j["brightness"] = Told(state.brightness);
    j["gaming"] = Told(state.gaming);
    j["recording"] = Told(state.recording);
    j["gamingFlags"] = state.gamingFlags;
    j["intercept"] = InterceptList(state.table);
    j["modifierMask"] = state.table[kModifierMaskEntry];
    return j;
}
