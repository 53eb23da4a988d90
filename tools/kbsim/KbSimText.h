#pragma once
// What kbsim prints and parses: the simulated keyboard's state and log as
// JSON, with the field names of `qornctl apply`, and the fault modes by name.
#include <cstdint>
#include <optional>
#include <string_view>

#include <nlohmann/json.hpp>

#include "kbdriver/KbSimProtocol.h"

// {"event":"state", what the keyboard was told last (null: never), the
// driver's table, and the simulator's own: held report, queued reports, fault}.
nlohmann::ordered_json StateJson(const KbSimState& state);

// {"t":ms,"event":"command",...} or {"t":ms,"event":"upload",...}.
nlohmann::ordered_json LogEntryJson(const KbSimLogEntry& entry);

// "off", "busy", "wrong-echo", "silent", "fail".
std::optional<uint32_t> ParseFaultMode(std::string_view name);
std::string_view FaultModeName(uint32_t mode);

// A fault's count: a positive number or "always".
std::optional<uint32_t> ParseFaultCount(std::string_view text);
