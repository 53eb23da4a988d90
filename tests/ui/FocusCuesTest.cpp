// Which input shows and which hides the focus marks of the skinned controls.
#include <gtest/gtest.h>

#include "ui/FocusCues.h"

TEST(FocusCues, KeysThatMoveTheFocusShowThemAMousePressHidesThem) {
    using enum FocusCues;
    const struct {
        uint32_t message, vk;
        FocusCues expected;
    } cases[] = {
        {0x0100, 0x09, Show}, {0x0100, 0x21, Show}, {0x0100, 0x28, Show},  // Tab, Page Up .. Down
        {0x0104, 0x25, Show},                                               // Alt+Left
        {0x0100, 0x0D, Keep}, {0x0100, 0x20, Keep}, {0x0100, 0x29, Keep},   // Enter, Space, Select
        {0x0101, 0x09, Keep}, {0x0102, 0x09, Keep},                         // Tab's release, a character
        {0x0201, 0, Hide},    {0x0204, 0, Hide},    {0x00A1, 0, Hide},      // left, right, frame press
        {0x0202, 0, Keep},    {0x0200, 0, Keep},                            // release, move
    };
    for (const auto& c : cases) EXPECT_EQ(FocusCuesAfter(c.message, c.vk), c.expected) << c.message << " " << c.vk;
}
