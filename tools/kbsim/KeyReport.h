#pragma once
// Keyboard reports as kbsim builds them: the keyboard's complete state, a
// modifier byte and up to ten held ordinary keys (byte 0 unused).
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

using KeyReport = std::array<uint8_t, 12>;

struct ReportKey {
    uint8_t code;   // device code, or the modifier's bit
    bool modifier;
};

constexpr uint8_t kFnDeviceCode = 0x73;

// A key by name: a name of the key table, compared without case and spaces
// ("pageup" finds "Page Up"); where the main block and the keypad share a
// name the main block's key wins and "KP" + name gives the keypad's ("KP1",
// "KPEnter"); "Fn"; or an ordinary key's device code in hex ("0x04").
std::optional<ReportKey> FindReportKey(std::string_view name);

// Adds a held key. False, with the report unchanged, when ten ordinary keys
// are already held. Pressing a held key changes nothing.
bool PressKey(KeyReport& report, ReportKey key);
void ReleaseKey(KeyReport& report, ReportKey key);

// 24 hex digits; spaces, colons and dashes between bytes are allowed.
std::optional<KeyReport> ParseKeyReport(std::string_view hex);
