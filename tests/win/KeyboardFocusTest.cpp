// The skinned controls with the keyboard: the focus mark, shown once the
// keyboard moves the focus and hidden by a mouse press (but always on the
// caretless key capture field); Enter pressing only a control whose mark
// shows; the arrows in a radio group.
#include <gtest/gtest.h>

#include "win/support/Capture.h"
#include "win/support/Input.h"
#include "win/support/MessagePump.h"
#include "win/support/SkinTestDialog.h"
#include "win/support/TestIds.h"

using namespace std::chrono_literals;

namespace {
// Focuses `control` and tells whether its 2-pixel ring shows, read on the
// right, where no caret of an edit blinks over it.
bool RingOn(const CWnd& control) {
    SetFocus(control.GetSafeHwnd());
    PumpFor(50ms);
    const Capture c = CaptureClient(control.GetSafeHwnd());
    EXPECT_NE(c.At(2, 2), 0xFFB000u);
    return c.At(c.width - 1, 0) == 0xFFB000 && c.At(c.width - 2, c.height / 2) == 0xFFB000;
}
}  // namespace

TEST(FocusMark, ShowsOnceTheKeyboardIsUsedAndEnterPressesOnlyAControlWhoseMarkShows) {
    MoveCursor(POINT{900, 700});
    SkinTestDialog dialog;
    dialog.Open();
    EXPECT_FALSE(RingOn(dialog.button));
    TapKey(VK_TAB);
    PumpFor(50ms);
    EXPECT_TRUE(RingOn(dialog.check));
    const int ticked = dialog.check.Ticked();
    TapKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return dialog.check.Ticked() != ticked; }, 1000ms)) << "Enter toggles";
    EXPECT_TRUE(RingOn(dialog.button));
    TapKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return dialog.Clicks(IDC_T_BUTTON) == 1; }, 1000ms)) << "Enter presses";

    Click(POINT{40 + 500, 40 + 280});  // the dialog's background
    PumpFor(100ms);
    EXPECT_FALSE(RingOn(dialog.button));
    TapKey(VK_RETURN);
    PumpFor(100ms);
    EXPECT_EQ(dialog.Clicks(IDC_T_BUTTON), 1) << "no mark: a key assigned Enter presses nothing";
}

TEST(FocusMark, EditsAndTheLinkShowItWithTheCuesTheKeyCaptureFieldWheneverFocused) {
    MoveCursor(POINT{900, 700});
    SkinTestDialog dialog;
    dialog.Open();
    EXPECT_FALSE(RingOn(dialog.edit)) << "the caret shows where typing goes";
    EXPECT_TRUE(RingOn(dialog.keys)) << "no caret there: the mark shows even after the mouse";
    SetFocus(dialog.button.GetSafeHwnd());
    TapKey(VK_TAB);
    PumpFor(50ms);
    EXPECT_TRUE(RingOn(dialog.edit));
    EXPECT_TRUE(RingOn(dialog.link));
    TapKey(VK_SPACE);
    EXPECT_TRUE(PumpUntil([&] { return dialog.link.Visited(); }, 1000ms)) << "Space opens the link (none is set)";
    SetFocus(dialog.edit.GetSafeHwnd());
    TapKey('Q');
    ASSERT_TRUE(PumpUntil([&] { return !dialog.edit.Text().empty(); }, 1000ms));
    EXPECT_TRUE(RingOn(dialog.edit)) << "still there after the text repainted";
}

TEST(SkinRadioBox, ArrowsMoveThroughTheGroupAndTickWhatTheyReach) {
    SkinTestDialog dialog;
    dialog.Open();
    dialog.radio1.Send(BM_SETCHECK, 1);
    SetFocus(dialog.radio1.GetSafeHwnd());
    TapKey(VK_RIGHT);
    ASSERT_TRUE(PumpUntil([&] { return dialog.radio2.GetCheck() == 1; }, 1000ms));
    EXPECT_EQ(dialog.radio1.GetCheck(), 0);
    TapKey(VK_UP);
    TapKey(VK_UP);
    EXPECT_TRUE(PumpUntil([&] { return dialog.radio3.GetCheck() == 1; }, 1000ms)) << "round the group's start";
}
