#include "kbsim/KbSimText.h"

#include <array>
#include <charconv>
#include <string>

namespace {

constexpr std::array<std::string_view, 5> kFaultNames = {"off", "busy", "wrong-echo", "silent", "fail"};

// A setting the keyboard was never told is null.
nlohmann::ordered_json Told(const KbSimState& s, uint8_t bit, nlohmann::ordered_json value) {
    return (s.told & bit) ? std::move(value) : nlohmann::ordered_json(nullptr);
}

// Device codes whose entry is not 0; entry 255 is the modifier mask.
nlohmann::ordered_json InterceptList(const uint8_t* table) {
    nlohmann::ordered_json codes = nlohmann::ordered_json::array();
    for (int i = 0; i < 255; ++i)
        if (table[i] != 0) codes.push_back(i);
    return codes;
}

std::string Hex(const uint8_t* bytes, std::size_t n) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < n; ++i) {
        if (i) out += ' ';
        out += digits[bytes[i] >> 4];
        out += digits[bytes[i] & 15];
    }
    return out;
}

}  // namespace

nlohmann::ordered_json StateJson(const KbSimState& s) {
    nlohmann::ordered_json j;
    j["event"] = "state";
    j["present"] = Told(s, KBSIM_TOLD_PRESENT, s.present != 0);
    j["backlight"] = Told(s, KBSIM_TOLD_BACKLIGHT, s.backlight != 0);
    j["effect"] = Told(s, KBSIM_TOLD_EFFECT, s.effect);
    j["brightness"] = Told(s, KBSIM_TOLD_BRIGHTNESS, s.brightness);
    j["gaming"] = Told(s, KBSIM_TOLD_GAMING, s.gaming != 0);
    j["recording"] = Told(s, KBSIM_TOLD_RECORDING, s.recording != 0);
    j["gamingFlags"] = Told(s, KBSIM_TOLD_TABLE, s.gamingFlags);
    j["intercept"] = Told(s, KBSIM_TOLD_TABLE, InterceptList(s.table));
    j["modifierMask"] = Told(s, KBSIM_TOLD_TABLE, s.table[255]);
    j["held"] = Hex(s.held, sizeof s.held);
    j["queuedReports"] = s.queuedReports;
    j["fault"] = FaultModeName(s.faultMode);
    if (s.faultMode != KBSIM_FAULT_NONE)
        j["faultCount"] = s.faultCount == KBSIM_FAULT_ALWAYS ? nlohmann::ordered_json("always") : nlohmann::ordered_json(s.faultCount);
    return j;
}

nlohmann::ordered_json LogEntryJson(const KbSimLogEntry& e) {
    nlohmann::ordered_json j;
    j["t"] = e.timeMs;
    if (e.kind == KBSIM_LOG_COMMAND) {
        j["event"] = "command";
        j["command"] = e.command;
        j["value"] = e.value;
        return j;
    }
    j["event"] = "upload";
    j["gamingFlags"] = e.gamingFlags;
    nlohmann::ordered_json codes = nlohmann::ordered_json::array();
    for (int i = 0; i < 255; ++i)
        if (e.intercept[i / 8] & (1u << (i % 8))) codes.push_back(i);
    j["intercept"] = std::move(codes);
    j["modifierMask"] = e.modifierMask;
    return j;
}

std::optional<uint32_t> ParseFaultMode(std::string_view name) {
    for (std::size_t i = 0; i < kFaultNames.size(); ++i)
        if (kFaultNames[i] == name) return uint32_t(i);
    return std::nullopt;
}

std::string_view FaultModeName(uint32_t mode) { return mode < kFaultNames.size() ? kFaultNames[mode] : "unknown"; }

std::optional<uint32_t> ParseFaultCount(std::string_view text) {
    if (text == "always") return KBSIM_FAULT_ALWAYS;
    uint32_t n = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || ptr != text.data() + text.size() || n == 0 || n == KBSIM_FAULT_ALWAYS) return std::nullopt;
    return n;
}
