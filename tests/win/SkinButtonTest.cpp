#include <gtest/gtest.h>

#include "win/support/Capture.h"
#include "win/support/Input.h"
#include "win/support/MessagePump.h"
#include "win/support/SkinTestDialog.h"
#include "win/support/TestIds.h"

using namespace std::chrono_literals;

namespace {
// The face colour of a control: a corner pixel, away from any text.
uint32_t FaceOf(const CWnd& control) { return CaptureClient(control.GetSafeHwnd()).At(1, 1); }

// True when every pixel of the control shows its face colour.
bool FaceOnly(const CWnd& control) {
    const Capture c = CaptureClient(control.GetSafeHwnd());
    for (uint32_t p : c.pixels)
        if ((p & 0xFFFFFF) != c.At(0, 0)) return false;
    return true;
}
}  // namespace

TEST(SkinButton, ImageIndexZeroFollowsTheDialogAndAnOwnIndexStays) {
    Park();
    SkinTestDialog dialog;
    dialog.indexed.SetImageIndex(SkinState::Normal, 2);
    dialog.Open();
    EXPECT_EQ(FaceOf(dialog.button), StateColour(SkinState::Normal, 0));
    EXPECT_EQ(FaceOf(dialog.indexed), StateColour(SkinState::Normal, 2));

    dialog.SetCurrentImageIndex(1);
    PumpFor(50ms);
    EXPECT_EQ(FaceOf(dialog.button), StateColour(SkinState::Normal, 1));
    EXPECT_EQ(FaceOf(dialog.indexed), StateColour(SkinState::Normal, 2));

    // Disabled, index 0 means image 0 whatever the dialog shows.
    dialog.button.Enable(false);
    EXPECT_EQ(FaceOf(dialog.button), StateColour(SkinState::Disable, 0));
}

TEST(SkinButton, HoverShowsTheOverSliceAndEndsThroughTheTimer) {
    Park();
    SkinTestDialog dialog;
    dialog.Open();
    MoveCursor(CentreOf(dialog.button.GetSafeHwnd()));
    ASSERT_TRUE(PumpUntil([&] { return dialog.button.IsHovering(); }, 1000ms));
    EXPECT_EQ(FaceOf(dialog.button), StateColour(SkinState::Over, 0));

    // Jump far away: the control gets no mouse message any more, and the
    // 20 ms timer alone ends the hover.
    SetCursorPos(900, 700);
    EXPECT_TRUE(PumpUntil([&] { return !dialog.button.IsHovering(); }, 200ms));
    EXPECT_EQ(FaceOf(dialog.button), StateColour(SkinState::Normal, 0));
    // The dialog heard of both changes, from the button.
    HWND button = dialog.button.GetSafeHwnd();
    const std::vector<std::pair<WPARAM, HWND>> expected = {{1, button}, {0, button}};
    EXPECT_EQ(dialog.HoverReports(), expected);
}

TEST(SkinButton, PressedShowsTheSelectedSliceAndDoubleClickGivesTwoClicks) {
    Park();
    SkinTestDialog dialog;
    dialog.Open();
    const POINT at = CentreOf(dialog.button.GetSafeHwnd());
    MoveCursor(at);
    MouseButton(true);
    PumpFor(80ms);
    EXPECT_EQ(FaceOf(dialog.button), StateColour(SkinState::Selected, 0));
    MouseButton(false);
    PumpFor(80ms);
    EXPECT_EQ(dialog.Clicks(IDC_T_BUTTON), 1);

    MouseButton(true);
    MouseButton(false);
    PumpFor(150ms);
    EXPECT_EQ(dialog.Clicks(IDC_T_BUTTON), 2);
}

TEST(SkinButton, ButtonWithoutTextShowsOnlyItsFace) {
    Park();
    SkinTestDialog dialog;
    dialog.Open();
    EXPECT_TRUE(FaceOnly(dialog.blank));
    EXPECT_FALSE(FaceOnly(dialog.button));  // "Push" is written on it
}

TEST(SkinCheckBox, ClickTicksAndDisabledTickedShowsDisableSelected) {
    Park();
    SkinTestDialog dialog;
    dialog.Open();
    Click(CentreOf(dialog.check.GetSafeHwnd()));
    ASSERT_TRUE(PumpUntil([&] { return dialog.check.Ticked() == 1; }, 1000ms));
    EXPECT_EQ(dialog.Clicks(IDC_T_CHECK), 1);  // the dialog still hears of it
    EXPECT_EQ(dialog.check.Send(BM_GETCHECK), 1);
    Park();
    EXPECT_EQ(FaceOf(dialog.check), StateColour(SkinState::Selected, 0));

    dialog.check.Enable(false);
    const Capture c = CaptureClient(dialog.check.GetSafeHwnd());
    EXPECT_EQ(c.At(1, 1), StateColour(SkinState::DisableSelected, 0));
    bool grey = false, green = false;
    for (uint32_t p : c.pixels) {
        grey |= (p & 0xFFFFFF) == 0x808080;
        green |= (p & 0xFFFFFF) == 0xADFF2F;
    }
    EXPECT_TRUE(grey) << "text in the Disable colour";
    EXPECT_FALSE(green) << "no text in the Over colour";
}

TEST(SkinCheckBox, DoubleClickTogglesTwiceAndCodeSetsTheStateForTheNextPaint) {
    Park();
    SkinTestDialog dialog;
    dialog.Open();
    const POINT at = CentreOf(dialog.check.GetSafeHwnd());
    Click(at);
    Click(at);
    PumpFor(150ms);
    EXPECT_EQ(dialog.Clicks(IDC_T_CHECK), 2);
    EXPECT_EQ(dialog.check.Ticked(), 0);

    dialog.check.SetCheck(1);
    EXPECT_EQ(dialog.check.GetCheck(), 1);
    Park();
    EXPECT_EQ(FaceOf(dialog.check), StateColour(SkinState::Selected, 0));
}

TEST(SkinCheckBox, NoTextWhenTheIndentLeavesNoRoom) {
    Park();
    SkinTestDialog dialog;
    dialog.Open();
    EXPECT_TRUE(FaceOnly(dialog.narrow));  // 20 wide, indent 20
    EXPECT_FALSE(FaceOnly(dialog.check));
}

TEST(SkinRadioBox, TickingOneUnticksTheRestOfItsGroup) {
    Park();
    SkinTestDialog dialog;
    dialog.Open();
    dialog.radio2.SetCheck(1);
    dialog.radio3.Send(BM_SETCHECK, 1);  // ticked by code: unticks radio 2
    EXPECT_EQ(dialog.radio2.GetCheck(), 0);
    EXPECT_EQ(dialog.radio3.GetCheck(), 1);

    Click(CentreOf(dialog.radio1.GetSafeHwnd()));
    ASSERT_TRUE(PumpUntil([&] { return dialog.radio1.GetCheck() == 1; }, 1000ms));
    EXPECT_EQ(dialog.radio2.GetCheck(), 0);
    EXPECT_EQ(dialog.radio3.GetCheck(), 0);
    // The button after the group is not part of it.
    EXPECT_EQ(dialog.Clicks(IDC_T_AFTER), 0);
    Park();
    EXPECT_EQ(FaceOf(dialog.radio1), StateColour(SkinState::Selected, 0));
    EXPECT_EQ(FaceOf(dialog.radio3), StateColour(SkinState::Normal, 0));
}

TEST(SkinHyperLink, HandCursorAndAClickMarksItVisited) {
    Park();
    SkinTestDialog dialog;
    dialog.Open();
    EXPECT_EQ(dialog.link.Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(dialog.link.GetSafeHwnd()),
                               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
              TRUE);
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
    Click(CentreOf(dialog.link.GetSafeHwnd()));
    ASSERT_TRUE(PumpUntil([&] { return dialog.link.Visited(); }, 1000ms));
    Park();
    dialog.link.Invalidate();
    EXPECT_EQ(FaceOf(dialog.link), StateColour(SkinState::Selected, 0));
}
