#include <gtest/gtest.h>

#include <string>

#include "win/support/Capture.h"
#include "win/support/DistFolder.h"
#include "win/support/Input.h"
#include "win/support/MessagePump.h"
#include "win/support/SkinTestDialog.h"
#include "win/support/TestIds.h"

using namespace std::chrono_literals;

namespace {
std::wstring Lines(int count) {
    std::wstring text;
    for (int i = 1; i <= count; ++i) text += L"line " + std::to_wstring(i) + L"\r\n";
    return text;
}

// A window's rectangle in the client coordinates of `in`.
RECT RectIn(HWND in, HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, in, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != 0; }

class SkinScrollFrameTest : public ::testing::Test {
protected:
    void SetUp() override { dialog.Open(); }
    void TearDown() override {
        SetCursorPos(1200, 1000);
        PumpFor(30ms);
    }
    HWND Frame() const { return dialog.memo.ScrollFrame()->GetSafeHwnd(); }
    const CSkinScrollBar& Bar() const { return dialog.memo.ScrollFrame()->VerticalBar(); }
    int FirstVisibleLine() const { return static_cast<int>(dialog.memo.Send(EM_GETFIRSTVISIBLELINE)); }

    InDistFolder folder_;  // the bars' image resolves from here
    SkinTestDialog dialog;
};
}  // namespace

TEST_F(SkinScrollFrameTest, HostsTheControlInItsPlaceUnderItsIdWithASkinBarOverItsOwn) {
    ASSERT_NE(dialog.memo.ScrollFrame(), nullptr);
    const HWND frame = Frame(), border = dialog.memo.ScrollFrame()->BorderWindow();
    EXPECT_EQ(dialog.DlgItem(IDC_T_MEMO), frame);
    EXPECT_TRUE(Same(RectIn(dialog.GetSafeHwnd(), frame), RECT{230, 170, 390, 230}));
    EXPECT_EQ(GetParent(dialog.memo.GetSafeHwnd()), border);
    EXPECT_EQ(GetDlgCtrlID(border), 200);
    EXPECT_EQ(GetParent(border), frame);
    // The skin bar covers the frame's right 14 pixels; the control's own bar
    // lies there too, outside the border window, so it is clipped away.
    ASSERT_TRUE(IsWindowVisible(Bar().GetSafeHwnd()));
    EXPECT_TRUE(Same(RectIn(frame, Bar().GetSafeHwnd()), RECT{146, 0, 160, 60}));
    EXPECT_TRUE(Same(RectIn(frame, border), RECT{0, 0, 146, 60}));
    EXPECT_TRUE(Same(dialog.memo.ClientRect(), RECT{0, 0, 146, 60}));
    EXPECT_FALSE(IsWindowVisible(dialog.memo.ScrollFrame()->HorizontalBar().GetSafeHwnd()));
    // An edit without scroll bars fills its whole frame.
    const HWND editFrame = dialog.edit.ScrollFrame()->GetSafeHwnd();
    EXPECT_TRUE(Same(RectIn(editFrame, dialog.edit.ScrollFrame()->BorderWindow()), RECT{0, 0, 200, 24}));
    EXPECT_FALSE(IsWindowVisible(dialog.edit.ScrollFrame()->VerticalBar().GetSafeHwnd()));
}

TEST_F(SkinScrollFrameTest, BarFollowsTheTextAndItsArrowScrollsTheControl) {
    dialog.memo.SetText(L"one line");
    PumpFor(50ms);
    EXPECT_FALSE(IsWindowEnabled(Bar().GetSafeHwnd())) << "the page covers the range";
    dialog.memo.SetText(Lines(30));
    PumpFor(50ms);
    EXPECT_TRUE(IsWindowEnabled(Bar().GetSafeHwnd()));
    SCROLLINFO own{sizeof(own), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(dialog.memo.GetSafeHwnd(), SB_VERT, &own);
    EXPECT_EQ(Bar().Range().max, own.nMax);
    EXPECT_EQ(Bar().Range().page, static_cast<int>(own.nPage));
    const int before = FirstVisibleLine();
    const RECT bar = Bar().WindowRect();
    Click(POINT{(bar.left + bar.right) / 2, bar.bottom - 3});
    PumpFor(100ms);
    EXPECT_EQ(FirstVisibleLine(), before + 1);
    EXPECT_EQ(Bar().Range().pos, FirstVisibleLine());
}

TEST_F(SkinScrollFrameTest, WheelScrollingShowsOnTheBarWithinHalfASecond) {
    dialog.memo.SetText(Lines(30));
    SetFocus(dialog.memo.GetSafeHwnd());
    MoveCursor(CentreOf(dialog.memo.GetSafeHwnd()));
    PumpFor(50ms);
    dialog.memo.Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    ASSERT_GT(FirstVisibleLine(), 0);
    EXPECT_TRUE(PumpUntil([&] { return Bar().Range().pos == FirstVisibleLine(); }, 600ms));
}

TEST_F(SkinScrollFrameTest, HoveringTheControlShowsInItAndReachesTheDialog) {
    MoveCursor(CentreOf(dialog.memo.GetSafeHwnd()));
    EXPECT_TRUE(PumpUntil([&] { return dialog.memo.IsHovering(); }, 300ms));
    ASSERT_FALSE(dialog.HoverReports().empty());
    EXPECT_EQ(dialog.HoverReports().back().first, 1u);
    EXPECT_EQ(dialog.HoverReports().back().second, Frame());
    // The hover slice is behind the text.
    EXPECT_EQ(CaptureClient(dialog.memo.GetSafeHwnd()).At(140, 55), StateColour(SkinState::Over, 0));
    SetCursorPos(1200, 1000);
    EXPECT_TRUE(PumpUntil([&] { return !dialog.memo.IsHovering(); }, 300ms));
    EXPECT_EQ(dialog.HoverReports().back().first, 0u);
    EXPECT_EQ(CaptureClient(dialog.memo.GetSafeHwnd()).At(140, 55), StateColour(SkinState::Normal, 0));
}

TEST_F(SkinScrollFrameTest, ShowingEnablingAndMovingTheControlCarryTheFrame) {
    dialog.memo.SetText(Lines(30));
    PumpFor(50ms);
    dialog.memo.Enable(false);
    EXPECT_FALSE(IsWindowEnabled(Frame()));
    EXPECT_FALSE(IsWindowEnabled(Bar().GetSafeHwnd()));
    dialog.memo.Enable(true);
    EXPECT_TRUE(IsWindowEnabled(Frame()));
    dialog.memo.Show(SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(Frame()));
    dialog.memo.Show(SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(Frame()));
    dialog.memo.Move(20, 200, 120, 50);
    PumpFor(50ms);
    EXPECT_TRUE(Same(RectIn(dialog.GetSafeHwnd(), Frame()), RECT{20, 200, 140, 250}));
    const RECT memo = dialog.memo.WindowRect();
    EXPECT_EQ(memo.right - memo.left, 120);
    EXPECT_EQ(memo.bottom - memo.top, 50);
    EXPECT_TRUE(Same(RectIn(Frame(), Bar().GetSafeHwnd()), RECT{106, 0, 120, 50}));
}

TEST_F(SkinScrollFrameTest, DestroyingTheControlRemovesItsFrame) {
    const HWND frame = Frame();
    DestroyWindow(dialog.memo.GetSafeHwnd());
    PumpFor(30ms);
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_EQ(dialog.memo.ScrollFrame(), nullptr);
    EXPECT_EQ(dialog.DlgItem(IDC_T_MEMO), nullptr);
}

TEST_F(SkinScrollFrameTest, ReopenedDialogHostsItsControlsInNewFrames) {
    const HWND first = Frame();
    dialog.DestroyWindow();
    EXPECT_EQ(dialog.memo.ScrollFrame(), nullptr);
    dialog.Open();
    ASSERT_NE(dialog.memo.ScrollFrame(), nullptr);
    EXPECT_NE(Frame(), first);
    EXPECT_EQ(GetParent(dialog.memo.GetSafeHwnd()), dialog.memo.ScrollFrame()->BorderWindow());
    EXPECT_TRUE(Same(RectIn(dialog.GetSafeHwnd(), Frame()), RECT{230, 170, 390, 230}));
}

TEST_F(SkinScrollFrameTest, BothBarsWithTheVerticalOneOnTheLeft) {
    CSkinEdit wide;
    ASSERT_TRUE(wide.CreateEx(WS_EX_LEFTSCROLLBAR, L"EDIT", L"",
                              WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL,
                              RECT{20, 200, 170, 280}, dialog.GetSafeHwnd(), 600));
    PumpFor(50ms);
    ASSERT_NE(wide.ScrollFrame(), nullptr);
    const CSkinScrollFrame& frame = *wide.ScrollFrame();
    const HWND f = frame.GetSafeHwnd();
    EXPECT_TRUE(Same(RectIn(dialog.GetSafeHwnd(), f), RECT{20, 200, 170, 280}));
    EXPECT_TRUE(Same(RectIn(f, frame.VerticalBar().GetSafeHwnd()), RECT{0, 0, 14, 66}));
    EXPECT_TRUE(Same(RectIn(f, frame.HorizontalBar().GetSafeHwnd()), RECT{14, 66, 150, 80}));
    EXPECT_TRUE(Same(RectIn(f, frame.BorderWindow()), RECT{14, 0, 150, 66}));
    // The control's client is exactly the border window; its own bars are
    // clipped away on the left and at the bottom.
    RECT client = wide.ClientRect();
    MapWindowPoints(wide.GetSafeHwnd(), f, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_TRUE(Same(client, RECT{14, 0, 150, 66}));
    wide.SetText(std::wstring(200, L'x'));
    PumpFor(50ms);
    const RECT bar = frame.HorizontalBar().WindowRect();
    Click(POINT{bar.right - 3, (bar.top + bar.bottom) / 2});
    PumpFor(100ms);
    EXPECT_GT(GetScrollPos(wide.GetSafeHwnd(), SB_HORZ), 0);
    EXPECT_EQ(frame.HorizontalBar().Range().pos, GetScrollPos(wide.GetSafeHwnd(), SB_HORZ));
    wide.DestroyWindow();
}
