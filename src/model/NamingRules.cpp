#include "model/NamingRules.h"

#include <cstdint>
#include <string>

namespace {
std::u16string Number(uint64_t n) {
    const std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}

bool IsBlank(char16_t c) {
    switch (c) {
    case 0x0020: case 0x0085: case 0x00A0: case 0x1680: case 0x200B: case 0x2028: case 0x2029:
    case 0x202F: case 0x205F: case 0x3000: case 0xFEFF:
        return true;
    }
    return (c >= 0x0009 && c <= 0x000D) || (c >= 0x2000 && c <= 0x200A);
}
}  // namespace

std::u16string TrimmedName(std::u16string_view name) {
    while (!name.empty() && IsBlank(name.front())) name.remove_prefix(1);
    while (!name.empty() && IsBlank(name.back())) name.remove_suffix(1);
    return std::u16string(name);
}

std::u16string NextFreeName(std::u16string_view prefix, const NameTaken& taken) {
    for (uint64_t n = 1;; ++n) {
        std::u16string name = std::u16string(prefix) + Number(n);
        if (!taken(name)) return name;
    }
}

std::u16string CopyName(std::u16string_view base, const NameTaken& taken) {
    std::u16string name = std::u16string(base) + u"(Copy)";
    for (uint64_t k = 1; taken(name); ++k) name = std::u16string(base) + u"(Copy" + Number(k) + u")";
    return name;
}
