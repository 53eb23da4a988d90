// Which input shows and which hides the focus marks of the skinned controls.
#include <gtest/gtest.h>

#include "ui/FocusCues.h"

TEST(FocusCues, KeysThatMoveTheFocusShowThemAMousePressHidesThem) {
    using enum FocusCues;
    const struct {
        uint32_t message, vk;
        FocusCues expected;
    } cases[] = {
        {0x100, 0x09, Show}, {0x100, 0x21, Show}, {0x100, 0x28, Show}, {0x104, 0x25, Show},  // Tab, Page Up..Down
        {0x100, 0x0D, Keep}, {0x100, 0x20, Keep}, {0x100, 0x29, Keep}, {0x101, 0x09, Keep},  // Enter, Space, up
        {0x201, 0, Hide},    {0x204, 0, Hide},    {0x0A1, 0, Hide},    {0x200, 0, Keep},     // presses, a move
    };
    for (const auto& c : cases) EXPECT_EQ(FocusCuesAfter(c.message, c.vk), c.expected) << c.message << " " << c.vk;
}
