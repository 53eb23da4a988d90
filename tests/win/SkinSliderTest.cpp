#include <gtest/gtest.h>

#include "win/support/Capture.h"
#include "win/support/DistFolder.h"
#include "win/support/Input.h"
#include "win/support/MessagePump.h"
#include "win/support/SkinTestDialog.h"

using namespace std::chrono_literals;

namespace {
class SkinSliderTest : public ::testing::Test {
protected:
    void SetUp() override { dialog.Open(); }
    void TearDown() override {
        MouseButton(false);
        SetCursorPos(1200, 1000);
        PumpFor(30ms);
    }
    // A point of the slider's client area on the screen.
    POINT Screen(int x, int y) const {
        POINT p{x, y};
        ClientToScreen(dialog.slider.GetSafeHwnd(), &p);
        return p;
    }
    POINT ThumbCentre() const {
        const RECT t = dialog.slider.ThumbRect();
        return Screen((t.left + t.right) / 2, (t.top + t.bottom) / 2);
    }
    uint32_t Pixel(int x, int y) const { return CaptureClient(dialog.slider.GetSafeHwnd()).At(x, y); }
    int EndScrolls() const {
        int n = 0;
        for (const auto& [wp, hwnd] : dialog.ScrollReports())
            n += LOWORD(wp) == SB_ENDSCROLL && hwnd == dialog.slider.GetSafeHwnd();
        return n;
    }

    InDistFolder folder_;  // the thumb image resolves from here
    SkinTestDialog dialog;
};
}  // namespace

TEST_F(SkinSliderTest, FitsAroundItsTrackWithTheThumbAtPixelZero) {
    RECT r = dialog.slider.WindowRect();
    MapWindowPoints(nullptr, dialog.GetSafeHwnd(), reinterpret_cast<POINT*>(&r), 2);
    // Thumb 14 x 20: 9 pixels above and below the 1-pixel track, 8 beyond
    // each end.
    const RECT expected{12, 231, 228, 250};
    EXPECT_TRUE(EqualRect(&r, &expected));
    EXPECT_EQ(dialog.slider.ThumbRect().left, 0);
}

TEST_F(SkinSliderTest, ClickJumpsToTheValueUnderItAndNotifiesEndScroll) {
    // The channel starts 8 pixels in and is 200 long for the range 0..20.
    Click(Screen(8 + 50, 9));
    PumpFor(80ms);
    EXPECT_EQ(dialog.slider.GetPos(), 5);
    EXPECT_EQ(EndScrolls(), 1);
    EXPECT_EQ(dialog.slider.ThumbRect().left, 51);
    EXPECT_EQ(GetFocus(), dialog.slider.GetSafeHwnd());
}

TEST_F(SkinSliderTest, DraggingTheThumbFollowsTheCursorAndStopsAtTheEnd) {
    dialog.slider.SetPos(0);
    PumpFor(30ms);
    const uint32_t still = Pixel(8, 9);
    MoveCursor(ThumbCentre());
    PumpFor(50ms);
    MouseButton(true);
    PumpFor(50ms);
    EXPECT_NE(Pixel(8, 9), still) << "the dragged thumb looks different";
    MoveCursor(Screen(8 + 100, 9));
    PumpFor(50ms);
    EXPECT_EQ(dialog.slider.GetPos(), 10);
    MoveCursor(Screen(600, 9));
    PumpFor(50ms);
    EXPECT_EQ(dialog.slider.GetPos(), 20);
    MouseButton(false);
    PumpFor(50ms);
    EXPECT_EQ(dialog.slider.GetPos(), 20);
}

TEST_F(SkinSliderTest, WheelAndKeysStepAndTheRangeClamps) {
    dialog.slider.SetPos(10);
    dialog.slider.Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(dialog.slider.GetPos(), 11) << "up is larger";
    dialog.slider.Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-2 * WHEEL_DELTA)), 0);
    EXPECT_EQ(dialog.slider.GetPos(), 9);
    dialog.slider.Send(TBM_SETPAGESIZE, 0, 4);
    dialog.slider.Send(TBM_SETLINESIZE, 0, 1);
    SetFocus(dialog.slider.GetSafeHwnd());
    const struct {
        WORD vk;
        int pos;
    } steps[] = {{VK_NEXT, 13}, {VK_RIGHT, 14}, {VK_END, 20}, {VK_DOWN, 20}, {VK_LEFT, 19},
                 {VK_HOME, 0},  {VK_PRIOR, 0},  {VK_UP, 0},   {'A', 0}};
    for (const auto& s : steps) {
        TapKey(s.vk);
        PumpFor(30ms);
        EXPECT_EQ(dialog.slider.GetPos(), s.pos) << s.vk;
    }
    dialog.slider.SetPos(99);
    EXPECT_EQ(dialog.slider.GetPos(), 20);
    dialog.slider.SetPos(-5);
    EXPECT_EQ(dialog.slider.GetPos(), 0);
    PumpFor(30ms);
    EXPECT_GE(EndScrolls(), 11);
}

TEST_F(SkinSliderTest, TrackAndThumbShowTheirStates) {
    dialog.slider.SetPos(0);
    PumpFor(30ms);
    EXPECT_EQ(Pixel(150, 2), StateColour(SkinState::Normal, 0));
    const uint32_t thumb = Pixel(8, 9);
    MoveCursor(ThumbCentre());
    PumpFor(60ms);
    const uint32_t hovered = Pixel(8, 9);
    EXPECT_NE(hovered, thumb);
    MoveCursor(POINT{1200, 1000});
    PumpFor(150ms);
    EXPECT_EQ(Pixel(8, 9), thumb);
    dialog.slider.Enable(false);
    PumpFor(30ms);
    EXPECT_EQ(Pixel(150, 2), StateColour(SkinState::Disable, 0));
    EXPECT_NE(Pixel(8, 9), thumb);
}
