#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "model/KeyAction.h"
#include "model/KeyTable.h"

namespace {
std::vector<CKeyAction> DefaultSlots() {
    std::vector<CKeyAction> slots(kSlotCount);
    ResetKeysToDefaults(slots);
    return slots;
}
}  // namespace

TEST(KeyTable, SlotsOfTheSpecialKeys) {
    auto slots = DefaultSlots();
    EXPECT_EQ(slots[0xC1].name, u"M1");
    EXPECT_EQ(slots[0xC5].code, 0xF8u);
    EXPECT_EQ(slots[0xC6].name, u"Enter");
    EXPECT_EQ(slots[0xC6].code, 0x58u);
    EXPECT_EQ(slots[0x0D].code, 0x28u);
    EXPECT_EQ(slots[0x6B].name, u"+");
    EXPECT_EQ(slots[0xDC].name, u"\\");
    for (uint8_t empty : {0x00, 0x01, 0xFE}) EXPECT_EQ(slots[empty].code, 0u) << int(empty);
}

TEST(KeyTable, DigitRowsAndKeypadDigits) {
    auto slots = DefaultSlots();
    EXPECT_EQ(slots[0x60].code, 0x62u);
    EXPECT_EQ(slots[0x30].code, 0x27u);
    for (int d = 1; d <= 9; ++d) {
        EXPECT_EQ(slots[0x60 + d].code, 0x58u + d);
        EXPECT_EQ(slots[0x30 + d].code, 0x1Du + d);
        EXPECT_EQ(slots[0x60 + d].name, slots[0x30 + d].name);
    }
}

TEST(KeyTable, ModifiersAreTheOnlyModifierKeysAndCodesAreUnique) {
    auto slots = DefaultSlots();
    int modifiers = 0, keys = 0;
    std::set<std::pair<uint32_t, uint32_t>> codes;
    for (const auto& s : slots) {
        if (s.code == 0) continue;
        ++keys;
        EXPECT_TRUE(codes.insert({s.keyType, s.code}).second) << "duplicate device code";
        if (s.keyType == kKeyTypeModifier) {
            ++modifiers;
            EXPECT_EQ(__builtin_popcount(s.code), 1);
        }
        EXPECT_EQ(s.kind, kKindDefault);
        EXPECT_EQ(s.playCount, 2u);
    }
    EXPECT_EQ(modifiers, 8);
    EXPECT_EQ(keys, 109);
}

TEST(KeyTable, ResetRestoresTableKeysAndLeavesOtherSlots) {
    std::vector<CKeyAction> slots(kSlotCount);
    for (auto& s : slots) {
        s.kind = kKindDisable;
        s.macroName = u"m";
    }
    ResetKeysToDefaults(slots);
    EXPECT_EQ(slots[0x41].kind, kKindDefault);
    EXPECT_EQ(slots[0x41].macroName, u"");
    int untouched = 0;
    for (const auto& s : slots) untouched += s.kind == kKindDisable;
    EXPECT_EQ(untouched, 146);
}
