// Arrow keys among the keys of the keyboard picture, on the real layout.
#include <gtest/gtest.h>

#include "ui/KeyGridStep.h"

TEST(KeyGridStep, MovesToTheNearestKeyInLineOrStaysAtThePicturesEdge) {
    using enum GridStep;
    const struct {
        const char* name;
        int from;
        GridStep step;
        int to;
    } cases[] = {
        {"Esc down to ~", 1001, Down, 1038},         {"Tab down to the wider Caps Lock", 1049, Down, 1053},
        {"Caps Lock right to A, sharing a column", 1053, Right, 1054},
        {"Backspace down: the closer centre", 1022, Down, 1052},
        {"Backspace right across the gap", 1022, Right, 1092}, {"Space up: the key over its centre", 1083, Up, 1072},
        {"F1 down, a tie: the earlier key", 1033, Down, 1013}, {"Pause right: the edge, stays", 1085, Right, 1085},
        {"M1 up: nothing in line, stays", 1002, Up, 1002},     {"Up arrow over an empty place", 1084, Up, 1096},
        {"onto the tall Keypad +", 1106, Right, 1112},         {"Left arrow up: a corner is not in line", 1087, Up, 1095},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kKeyButtons[StepInKeyGrid(kKeyButtons, KeyButtonIndex(c.from).value(), c.step)].id, c.to) << c.name;
}
