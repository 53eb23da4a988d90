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

TEST(CaptureEnding, EndsWhenTheKeyLastPressedInTheCaptureComesUp) {
    const struct {
        std::vector<std::pair<bool, uint32_t>> keys;  // (release, key); does the last one end it?
        bool ends;
    } cases[] = {
        {{{true, 0x09}}, false},                             // the Tab that brought the focus
        {{{false, 0x10}, {false, 'A'}, {true, 'A'}}, true},  // a held Shift
        {{{false, 'A'}, {false, 'B'}, {true, 'A'}}, false},  // not the last pressed
    };
    for (const auto& c : cases) {
        CCaptureEnding ending;
        bool ends = false;
        for (const auto& [release, vk] : c.keys) ends = ending.Ends(release, vk);
        EXPECT_EQ(ends, c.ends);
    }
}
