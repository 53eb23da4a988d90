#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "ui/KeyCapture.h"

TEST(KeyCapture, PressKeepsScanCodeAndExtendedBit) {
    InputRecord r;
    r.SetKeyTime(77);
    // Right Ctrl: scan 0x1D, extended, repeat count 1.
    CaptureKeyMessage(r, false, 0xA3, 0x011D0001);
    EXPECT_EQ(r.Type(), kInputKeyboard);
    EXPECT_EQ(r.Vk(), 0xA3);
    EXPECT_EQ(r.Scan(), 0x1D);
    EXPECT_EQ(r.KeyFlags(), kKeyEventExtendedKey);
    EXPECT_EQ(r.KeyTime(), 77u);  // left as it was
}

TEST(KeyCapture, ReleaseAddsKeyUpAndIgnoresOtherKeyDataBits) {
    InputRecord r;
    // Shift up: scan 0x2A, previous-state and transition bits set.
    CaptureKeyMessage(r, true, 0x10, 0xC02A0001);
    EXPECT_EQ(r.Vk(), 0x10);
    EXPECT_EQ(r.Scan(), 0x2A);
    EXPECT_EQ(r.KeyFlags(), kKeyEventKeyUp);
}

namespace {
// A capture ends on the release of the key last pressed in it.
TEST(CaptureEnding, EndsWhenTheKeyLastPressedInTheCaptureComesUp) {
    constexpr uint32_t tab = 0x09, shift = 0x10, a = 0x41, b = 0x42;
    const struct {
        const char* name;
        std::vector<std::pair<bool, uint32_t>> keys;  // release?, key; the last one is asked about
        bool ends;
    } cases[] = {
        {"press and release", {{false, a}, {true, a}}, true},
        {"the Tab that brought the focus comes up first", {{true, tab}}, false},
        {"a held modifier: the key comes up first", {{false, shift}, {false, a}, {true, a}}, true},
        {"the modifier comes up before the key", {{false, shift}, {false, a}, {true, shift}}, false},
        {"a second key pressed: the first one's release", {{false, a}, {false, b}, {true, a}}, false},
        {"a second key pressed: its release", {{false, a}, {false, b}, {true, a}, {true, b}}, true},
        {"auto-repeat", {{false, a}, {false, a}, {false, a}, {true, a}}, true},
        {"a press never ends it", {{false, a}}, false},
    };
    for (const auto& c : cases) {
        CCaptureEnding ending;
        bool ends = false;
        for (const auto& [release, vk] : c.keys) ends = ending.Ends(release, vk);
        EXPECT_EQ(ends, c.ends) << c.name;
    }
    CCaptureEnding restarted;
    (void)restarted.Ends(false, a);
    restarted.Restart();
    EXPECT_FALSE(restarted.Ends(true, a)) << "a capture begun again forgets the press before it";
}
}  // namespace
