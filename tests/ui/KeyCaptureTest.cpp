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

// A capture ends on the release of the key last pressed in it.
TEST(CaptureEnding, EndsWhenTheKeyLastPressedInTheCaptureComesUp) {
    constexpr uint32_t tab = 0x09, shift = 0x10, a = 0x41, b = 0x42;
    const struct {
        std::vector<std::pair<bool, uint32_t>> keys;  // (release, key); the last one ends it or not
        bool ends;
    } cases[] = {
        {{{false, a}, {true, a}}, true},                            // press and release
        {{{true, tab}}, false},                                     // the Tab that brought the focus
        {{{false, shift}, {false, a}, {true, a}}, true},            // a held modifier
        {{{false, shift}, {false, a}, {true, shift}}, false},       // the modifier up first
        {{{false, a}, {false, b}, {true, a}}, false},               // not the last pressed
        {{{false, a}, {false, a}, {true, a}}, true},                // auto-repeat
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        CCaptureEnding ending;
        bool ends = false;
        for (const auto& [release, vk] : cases[i].keys) ends = ending.Ends(release, vk);
        EXPECT_EQ(ends, cases[i].ends) << i;
    }
    CCaptureEnding restarted;
    (void)restarted.Ends(false, a);
    restarted.Restart();
    EXPECT_FALSE(restarted.Ends(true, a)) << "begun again, it forgets the press before";
}
