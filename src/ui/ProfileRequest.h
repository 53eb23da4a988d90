#pragma once
// Switching profiles from the command line: `Qorn.exe /profile NAME`. A
// second copy hands the name to the running one in a WM_COPYDATA message;
// these are the argument rule and the message's payload, checked before use
// since any program can send one.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The payload's tag (dwData): "QPRF".
constexpr uintptr_t kProfileRequestTag = 0x51505246;
// A profile name longer than this is no name the program ever made.
constexpr std::size_t kMaxRequestedNameUnits = 255;

// What the running copy answers; the second copy's exit code follows it.
enum ProfileRequestAnswer : int {
    kProfileSwitched = 1,
    kProfileUnknown = 2,    // no profile of that name: nothing changed
    kProfileBusy = 3,       // a question, dialog or recording is open: nothing changed
};

// The name of `/profile NAME` (also -profile, any case) among the program's
// arguments (without the program itself); nullopt without one.
std::optional<std::u16string> RequestedProfile(const std::vector<std::u16string>& args);

std::vector<uint8_t> EncodeProfileRequest(const std::u16string& name);
// The name in a received payload; nullopt unless the tag is ours and the
// bytes are a whole number of UTF-16 units, 1 to kMaxRequestedNameUnits of
// them, without NUL.
std::optional<std::u16string> DecodeProfileRequest(uintptr_t tag, const void* data, std::size_t bytes);
