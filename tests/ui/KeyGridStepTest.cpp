// Arrow keys among the keys of the keyboard picture, on the real layout.
#include <gtest/gtest.h>

#include <vector>

#include "ui/KeyGridStep.h"

namespace {
std::size_t IndexOfId(int id) { return KeyButtonIndex(id).value(); }

TEST(KeyGridStep, MovesToTheNearestKeyInLineOrStaysAtThePicturesEdge) {
    constexpr int esc = 1001, tilde = 1038, tab = 1049, caps = 1053, a = 1054, backspace = 1022,
                  backslash = 1052, insert = 1092, space = 1083, b = 1072, f1 = 1033, two = 1013,
                  pause = 1085, m1 = 1002, up = 1084, end = 1096, keypadPlus = 1112, keypad9 = 1103,
                  keypad6 = 1106, left = 1087, del = 1095, rightShift = 1079, rightCtrl = 1091;
    const struct {
        const char* name;
        int from;
        GridStep step;
        int to;
    } cases[] = {
        {"down a column of wider keys", esc, GridStep::Down, tilde},
        {"down onto a wider key", tilde, GridStep::Down, tab},
        {"down onto a key reaching further right", tab, GridStep::Down, caps},
        {"right onto a key sharing one column", caps, GridStep::Right, a},
        {"left back", a, GridStep::Left, caps},
        {"down from a wide key: the closer centre", backspace, GridStep::Down, backslash},
        {"right across the gap to the next block", backspace, GridStep::Right, insert},
        {"up from Space: the key above its centre", space, GridStep::Up, b},
        {"down onto Space", b, GridStep::Down, space},
        {"a tie across: the earlier key", f1, GridStep::Down, two},
        {"right edge of the top row: stays", pause, GridStep::Right, pause},
        {"nothing above the extra keys: stays", m1, GridStep::Up, m1},
        {"up over an empty place", up, GridStep::Up, end},
        {"from a tall key: a tie across", keypadPlus, GridStep::Left, keypad9},
        {"onto a tall key", keypad6, GridStep::Right, keypadPlus},
        {"keys touching at a corner are not in line", left, GridStep::Up, del},
        {"down below the bottom row: stays", rightCtrl, GridStep::Down, rightCtrl},
        {"left from Right Shift", rightShift, GridStep::Left, 1077},
    };
    for (const auto& c : cases)
        EXPECT_EQ(kKeyButtons[StepInKeyGrid(kKeyButtons, IndexOfId(c.from), c.step)].id, c.to) << c.name;
}

// Every key can be reached from Esc by arrows: none is cut off.
TEST(KeyGridStep, EveryKeyIsReachableFromEsc) {
    std::vector<bool> seen(kKeyButtonCount, false);
    std::vector<std::size_t> todo{IndexOfId(1001)};
    seen[todo[0]] = true;
    while (!todo.empty()) {
        const std::size_t at = todo.back();
        todo.pop_back();
        for (GridStep s : {GridStep::Left, GridStep::Right, GridStep::Up, GridStep::Down}) {
            const std::size_t next = StepInKeyGrid(kKeyButtons, at, s);
            if (!seen[next]) todo.push_back(next);
            seen[next] = true;
        }
    }
    for (std::size_t i = 0; i < kKeyButtonCount; ++i) EXPECT_TRUE(seen[i]) << kKeyButtons[i].id;
}
}  // namespace
