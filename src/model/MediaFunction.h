#pragma once
// The seven media keys of a Media key action: both records are keyboard
// records of the media key's virtual-key code, press then release.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

class CKeyAction;

struct MediaFunctionInfo {
    std::string_view id;
    std::u16string_view english;
    uint16_t vk;
};

constexpr std::size_t kMediaFunctionCount = 7;
extern const std::array<MediaFunctionInfo, kMediaFunctionCount> kMediaFunctions;

// `index` into kMediaFunctions.
void WriteMediaFunction(CKeyAction& action, std::size_t index);
// Index of the media key that the first record names, or none.
std::optional<std::size_t> ReadMediaFunction(const CKeyAction& action);
