#pragma once
// The eight Windows shortcuts of a Shortcut key action. Scan codes come from
// the layout when the table is built, so build it once the key-name seam is
// available and keep it.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "model/InputRecord.h"

class CKeyAction;
class IKeyNames;

struct ShortcutInfo {
    std::string_view id;
    std::u16string_view english;
};

constexpr std::size_t kShortcutFunctionCount = 8;
extern const std::array<ShortcutInfo, kShortcutFunctionCount> kShortcutFunctions;

class ShortcutTable {
public:
    explicit ShortcutTable(const IKeyNames& keyNames);

    const std::vector<InputRecord>& Sequence(std::size_t index) const { return sequences_.at(index); }

    // Sets the count and the first records; later records keep old contents.
    void Write(CKeyAction& action, std::size_t index) const;
    // The shortcut whose count and every record match byte for byte, or none.
    std::optional<std::size_t> Read(const CKeyAction& action) const;

private:
    std::array<std::vector<InputRecord>, kShortcutFunctionCount> sequences_;
};
