#include <gtest/gtest.h>

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
