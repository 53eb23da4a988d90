// The keyboard page's and the key sub-pages' own decisions: the key
// buttons against the key table, the hint's memory and placement, the
// macro shown for a key and the play count read from its edit.
#include <gtest/gtest.h>

#include <set>

#include "model/KeyTable.h"
#include "ui/KeyButtonTable.h"
#include "ui/KeyHintRules.h"
#include "ui/MacroChoice.h"

namespace {
// Caps Lock's right column is also A's left one; no keys share more.
TEST(KeyButtons, EveryKeyOfTheTableButTheWindowsKeysHasOneButtonClearOfTheOthers) {
    std::set<int> codes, ids;
    for (const KeyButtonPlace& b : kKeyButtons) {
        codes.insert(b.keyCode);
        ids.insert(b.id);
        for (const KeyButtonPlace& other : kKeyButtons) {
            if (&other == &b) continue;
            const bool apart = b.x + b.width <= other.x + 1 || other.x + other.width <= b.x + 1 ||
                               b.y + b.height <= other.y || other.y + other.height <= b.y;
            EXPECT_TRUE(apart) << b.id << " overlaps " << other.id;
        }
    }
    EXPECT_EQ(codes.size(), kKeyButtonCount);
    EXPECT_EQ(ids.size(), kKeyButtonCount);
    std::set<int> table;
    for (const KeyTableEntry& e : kKeyTable) table.insert(e.keyCode);
    table.erase(0x5B);
    table.erase(0x5C);
    EXPECT_EQ(codes, table);
}

TEST(KeyHint, RemembersOneKeyAndAClickLeavesItRemembered) {
    CKeyHintRules hint;
    EXPECT_TRUE(hint.ShowFor(0x41));
    EXPECT_FALSE(hint.ShowFor(0x41)) << "asked again for the same key: no change, no flicker";
    EXPECT_TRUE(hint.ShowFor(0x53)) << "the next key";
    // A click hides the window only; while the pointer stays on the key, the
    // hover ticks ask for it again and nothing shows.
    EXPECT_FALSE(hint.ShowFor(0x53));
    EXPECT_TRUE(hint.Forget()) << "the pointer left every key";
    EXPECT_FALSE(hint.Forget());
    EXPECT_EQ(hint.Remembered(), std::nullopt);
    EXPECT_TRUE(hint.ShowFor(0x53)) << "back on the key: shown again";
}

TEST(KeyHint, StandsCentredAboveTheKeyOverlappingItsTopByTwoPixels) {
    const struct {
        const char* name;
        PixelRect key;
        int width, height;
        PixelPoint at;
    } cases[] = {
        {"narrower key, even difference", {100, 200, 30, 31}, 76, 72, {77, 130}},
        {"odd difference: extra pixel right", {100, 200, 31, 31}, 76, 72, {78, 130}},
        {"wider key", {100, 200, 180, 31}, 76, 72, {152, 130}},
        {"key narrower by one: truncates toward zero", {100, 200, 75, 31}, 76, 72, {100, 130}},
        {"top of the screen: not clipped", {10, 5, 30, 31}, 76, 72, {-13, -65}},
    };
    for (const auto& c : cases) EXPECT_EQ(HintPosition(c.key, c.width, c.height, 96), c.at) << c.name;
    // The overlap scales: 3 pixels at 150 %, 4 at 200 %.
    EXPECT_EQ(HintPosition({150, 300, 45, 47}, 114, 108, 144), (PixelPoint{116, 195}));
    EXPECT_EQ(HintPosition({200, 400, 60, 62}, 152, 144, 192), (PixelPoint{154, 260}));
}

TEST(MacroChoice, SelectsExactlyTheStoredName) {
    const std::vector<std::u16string> names = {u"ab", u"abcd", u"Abc"};
    EXPECT_EQ(MacroPosition(names, u"abcd"), 1);
    EXPECT_EQ(MacroPosition(names, u"Abc"), 2);
    EXPECT_EQ(MacroPosition(names, u"abc"), -1) << "case counts, as in playback";
    EXPECT_EQ(MacroPosition({u"abcd"}, u"ab"), -1) << "no prefix match";
    EXPECT_EQ(MacroPosition(names, u""), -1);
}

TEST(MacroChoice, PlayCountIsReadAsPercentD) {
    const struct {
        const char* text;
        std::u16string_view edit;
        uint32_t expected;
    } cases[] = {
        {"plain", u"5", 5},          {"leading blanks", u"  12", 12},      {"trailing text", u"3 times", 3},
        {"plus sign", u"+4", 4},     {"negative", u"-1", 0xFFFFFFFF},      {"empty keeps", u"", 7},
        {"text keeps", u"x3", 7},    {"sign alone keeps", u"-", 7},        {"huge ends", u"99999999999", 0x7FFFFFFF},
        {"huge negative", u"-99999999999", 0x80000000},
    };
    for (const auto& c : cases) EXPECT_EQ(ParsePlayCount(c.edit, 7), c.expected) << c.text;
    EXPECT_EQ(PlayCountText(2), u"2");
    EXPECT_EQ(PlayCountText(0xFFFFFFFF), u"-1");
    EXPECT_TRUE(ShowsPlayCount(1));
    EXPECT_FALSE(ShowsPlayCount(0));
    EXPECT_FALSE(ShowsPlayCount(-1));
}
}  // namespace
