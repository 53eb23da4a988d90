// Which input shows and which hides the focus marks of the skinned controls.
#include <gtest/gtest.h>

#include "ui/FocusCues.h"

namespace {
TEST(FocusCues, KeysThatMoveTheFocusShowThemAMousePressHidesThem) {
    constexpr uint32_t keyDown = 0x0100, sysKeyDown = 0x0104, keyUp = 0x0101, charMsg = 0x0102,
                       leftDown = 0x0201, leftUp = 0x0202, rightDown = 0x0204, ncLeftDown = 0x00A1,
                       mouseMove = 0x0200;
    const struct {
        const char* name;
        uint32_t message, vk;
        FocusCues expected;
    } cases[] = {
        {"Tab", keyDown, 0x09, FocusCues::Show},
        {"Page Up, first of the moving keys", keyDown, 0x21, FocusCues::Show},
        {"Down, last of them", keyDown, 0x28, FocusCues::Show},
        {"Home", keyDown, 0x24, FocusCues::Show},
        {"Ctrl+Tab arrives as Tab", keyDown, 0x09, FocusCues::Show},
        {"Alt+arrow", sysKeyDown, 0x25, FocusCues::Show},
        {"Enter presses, it does not reveal", keyDown, 0x0D, FocusCues::Keep},
        {"Space likewise", keyDown, 0x20, FocusCues::Keep},
        {"Select key just past Down", keyDown, 0x29, FocusCues::Keep},
        {"releasing Tab", keyUp, 0x09, FocusCues::Keep},
        {"a character", charMsg, 0x09, FocusCues::Keep},
        {"left press", leftDown, 0, FocusCues::Hide},
        {"right press", rightDown, 0, FocusCues::Hide},
        {"press on the frame", ncLeftDown, 0, FocusCues::Hide},
        {"release", leftUp, 0, FocusCues::Keep},
        {"pointer moving", mouseMove, 0, FocusCues::Keep},
    };
    for (const auto& c : cases) EXPECT_EQ(FocusCuesAfter(c.message, c.vk), c.expected) << c.name;
}
}  // namespace
