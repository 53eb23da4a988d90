// The skinned controls with the keyboard: the focus mark, shown once the
// keyboard moves the focus and hidden by a mouse press; Enter pressing only
// a control whose mark shows; the arrows in a radio group.
#include <gtest/gtest.h>

#include "win/support/Capture.h"
#include "win/support/Input.h"
#include "win/support/MessagePump.h"
#include "win/support/SkinTestDialog.h"
#include "win/support/TestIds.h"

using namespace std::chrono_literals;

namespace {
constexpr uint32_t kRing = 0xFFB000;

void Park() {
    MoveCursor(POINT{900, 700});
    PumpFor(60ms);
}

// The ring is two pixels wide: the third pixel in is the control's own.
void ExpectRing(const CWnd& control, bool shown) {
    const Capture c = CaptureClient(control.GetSafeHwnd());
    EXPECT_EQ(c.At(0, 0) == kRing, shown);
    EXPECT_EQ(c.At(1, c.height / 2) == kRing, shown);
    EXPECT_NE(c.At(2, 2), kRing);
}
}  // namespace

TEST(FocusMark, ShowsOnceTheKeyboardMovesTheFocusAndNotForHoverOrAMouseUser) {
    Park();
    SkinTestDialog dialog;
    dialog.Open();
    SetFocus(dialog.button.GetSafeHwnd());
    PumpFor(50ms);
    ExpectRing(dialog.button, false);

    TapKey(VK_TAB);
    PumpFor(50ms);
    SetFocus(dialog.button.GetSafeHwnd());
    PumpFor(50ms);
    ExpectRing(dialog.button, true);
    for (SkinState s : {SkinState::Normal, SkinState::Over, SkinState::Selected}) EXPECT_NE(StateColour(s, 0), kRing);
    SetFocus(dialog.check.GetSafeHwnd());
    PumpFor(50ms);
    ExpectRing(dialog.check, true);
    ExpectRing(dialog.button, false);

    Click(POINT{40 + 500, 40 + 280});  // the dialog's background
    PumpFor(100ms);
    ExpectRing(dialog.check, false);
}

TEST(FocusMark, EnterPressesTheFocusedControlOnlyWhileItsMarkShows) {
    Park();
    SkinTestDialog dialog;
    dialog.Open();
    TapKey(VK_TAB);
    PumpFor(50ms);
    SetFocus(dialog.check.GetSafeHwnd());
    const int ticked = dialog.check.Ticked();
    TapKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return dialog.check.Ticked() != ticked; }, 1000ms)) << "Enter toggles";
    TapKey(VK_SPACE);
    ASSERT_TRUE(PumpUntil([&] { return dialog.check.Ticked() == ticked; }, 1000ms)) << "and so does Space";

    SetFocus(dialog.button.GetSafeHwnd());
    TapKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return dialog.Clicks(IDC_T_BUTTON) == 1; }, 1000ms));

    Click(POINT{40 + 500, 40 + 280});  // the dialog's background: the mark hides
    PumpFor(100ms);
    SetFocus(dialog.button.GetSafeHwnd());
    TapKey(VK_RETURN);
    PumpFor(100ms);
    EXPECT_EQ(dialog.Clicks(IDC_T_BUTTON), 1) << "no mark: a key assigned Enter presses nothing";
}

TEST(SkinRadioBox, ArrowsMoveThroughTheGroupAndTickWhatTheyReach) {
    Park();
    SkinTestDialog dialog;
    dialog.Open();
    dialog.radio1.Send(BM_SETCHECK, 1);
    SetFocus(dialog.radio1.GetSafeHwnd());
    TapKey(VK_RIGHT);
    ASSERT_TRUE(PumpUntil([&] { return dialog.radio2.GetCheck() == 1; }, 1000ms));
    EXPECT_EQ(GetFocus(), dialog.radio2.GetSafeHwnd());
    EXPECT_EQ(dialog.radio1.GetCheck(), 0);
    TapKey(VK_UP);
    TapKey(VK_UP);
    ASSERT_TRUE(PumpUntil([&] { return dialog.radio3.GetCheck() == 1; }, 1000ms)) << "round the group's start";
}
