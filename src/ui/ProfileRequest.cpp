#include "ui/ProfileRequest.h"

#include <algorithm>
#include <cstring>

namespace {
bool IsSwitch(const std::u16string& arg) {
    if (arg.size() != 8 || (arg[0] != u'/' && arg[0] != u'-')) return false;
    constexpr char16_t kWord[] = u"profile";
    for (std::size_t i = 0; i < 7; ++i) {
        char16_t c = arg[i + 1];
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
        if (c != kWord[i]) return false;
    }
    return true;
}
}  // namespace

std::optional<std::u16string> RequestedProfile(const std::vector<std::u16string>& args) {
    for (std::size_t i = 0; i + 1 < args.size(); ++i)
        if (IsSwitch(args[i])) return args[i + 1];
    return std::nullopt;
}

std::vector<uint8_t> EncodeProfileRequest(const std::u16string& name) {
    std::vector<uint8_t> bytes(name.size() * 2);
    for (std::size_t i = 0; i < name.size(); ++i) {
        bytes[2 * i] = static_cast<uint8_t>(name[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<uint8_t>(name[i] >> 8);
    }
    return bytes;
}

std::optional<std::u16string> DecodeProfileRequest(uintptr_t tag, const void* data, std::size_t bytes) {
    if (tag != kProfileRequestTag || data == nullptr || bytes == 0 || bytes % 2 != 0 ||
        bytes / 2 > kMaxRequestedNameUnits)
        return std::nullopt;
    const auto* b = static_cast<const uint8_t*>(data);
    std::u16string name(bytes / 2, u'\0');
    for (std::size_t i = 0; i < name.size(); ++i) name[i] = static_cast<char16_t>(b[2 * i] | (b[2 * i + 1] << 8));
    if (name.find(u'\0') != std::u16string::npos) return std::nullopt;
    return name;
}
