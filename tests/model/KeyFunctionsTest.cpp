#include <gtest/gtest.h>

#include "model/KeyAction.h"
#include "model/MediaFunction.h"
#include "model/MouseFunction.h"
#include "model/ShortcutTable.h"
#include "support/FakeKeyNames.h"

TEST(MouseFunction, EveryFunctionReadsBackAsItself) {
    for (uint32_t f = 0; f < kMouseFunctionCount; ++f) {
        CKeyAction a;
        WriteMouseFunction(a, static_cast<MouseFunction>(f));
        EXPECT_EQ(ReadMouseFunction(a), static_cast<MouseFunction>(f)) << kMouseFunctions[f].id;
        EXPECT_EQ(a.mouseInputs[0].Type(), kInputMouse);
        EXPECT_EQ(a.mouseInputs[0].Dx(), 0);
    }
}

TEST(MouseFunction, WheelClearsTheReleaseOfAnEarlierClickAndAClickKeepsTheWheelData) {
    CKeyAction a;
    WriteMouseFunction(a, MouseFunction::LeftClick);
    WriteMouseFunction(a, MouseFunction::ScrollUp);
    EXPECT_EQ(a.mouseInputs[0].MouseFlags(), 0x0800u);
    EXPECT_EQ(a.mouseInputs[0].MouseData(), 120u);
    EXPECT_EQ(a.mouseInputs[1], InputRecord{}) << "no left button up with every scroll";
    WriteMouseFunction(a, MouseFunction::ScrollDown);
    EXPECT_EQ(a.mouseInputs[0].MouseData(), 0xFFFFFF88u);
    CKeyAction wheelOnly;
    WriteMouseFunction(wheelOnly, MouseFunction::ScrollUp);
    EXPECT_EQ(wheelOnly.mouseInputs[1], CKeyAction().mouseInputs[1]) << "a wheel-only record is as before";
    WriteMouseFunction(a, MouseFunction::LeftClick);
    EXPECT_EQ(a.mouseInputs[0].MouseData(), 0xFFFFFF88u) << "only dwFlags is written for a plain button";
    EXPECT_EQ(ReadMouseFunction(a), MouseFunction::LeftClick);
}

TEST(MouseFunction, XButtonsAndUnknownFlags) {
    CKeyAction a;
    WriteMouseFunction(a, MouseFunction::Button4);
    EXPECT_EQ(a.mouseInputs[1].MouseData(), 1u);
    EXPECT_EQ(a.mouseInputs[1].MouseFlags(), 0x0100u);
    a.mouseInputs[0].SetMouseFlags(0x0001);  // a plain move: no function
    EXPECT_EQ(ReadMouseFunction(a), std::nullopt);
    CKeyAction fresh;
    EXPECT_EQ(ReadMouseFunction(fresh), std::nullopt);
}

TEST(MediaFunction, RecordsArePressThenReleaseOfTheMediaKey) {
    CKeyAction a;
    WriteMediaFunction(a, 6);
    EXPECT_EQ(a.mediaInputs[0], InputRecord::Keyboard(0xB0, 0, 0));
    EXPECT_EQ(a.mediaInputs[1], InputRecord::Keyboard(0xB0, 0, kKeyEventKeyUp));
    EXPECT_EQ(ReadMediaFunction(a), 6u);
    CKeyAction fresh;
    EXPECT_EQ(ReadMediaFunction(fresh), std::nullopt);
}

TEST(ShortcutTable, SequencesCarryLayoutScanCodesAndReleaseInReverse) {
    ShortcutTable table{FakeKeyNames()};
    const auto& maximize = table.Sequence(2);
    ASSERT_EQ(maximize.size(), 6u);
    EXPECT_EQ(maximize[0], InputRecord::Keyboard(0x12, 0x38, 0));
    EXPECT_EQ(maximize[2], InputRecord::Keyboard(0x58, 0x2D, 0));
    EXPECT_EQ(maximize[3], InputRecord::Keyboard(0x58, 0x2D, kKeyEventKeyUp));
    EXPECT_EQ(maximize[5], InputRecord::Keyboard(0x12, 0x38, kKeyEventKeyUp));
    EXPECT_EQ(table.Sequence(0)[0].Vk(), 0x5B);
    EXPECT_EQ(table.Sequence(1)[1].Vk(), 0x73);
}

TEST(ShortcutTable, ShorterShortcutLeavesStaleRecordsAndStillReadsBack) {
    ShortcutTable table{FakeKeyNames()};
    CKeyAction a;
    table.Write(a, 3);  // Minimize: six records
    table.Write(a, 4);  // Copy: four
    EXPECT_EQ(a.shortcutCount, 4u);
    EXPECT_EQ(a.shortcutInputs[4], table.Sequence(3)[4]);
    EXPECT_EQ(table.Read(a), 4u);
    a.shortcutInputs[1].SetScan(0x99);
    EXPECT_EQ(table.Read(a), std::nullopt);
}
