#include "model/NamingRules.h"

#include <cstdint>
#include <string>

namespace {
std::u16string Number(uint64_t n) {
    const std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}
}  // namespace

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
