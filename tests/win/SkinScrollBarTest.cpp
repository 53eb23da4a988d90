#include <gtest/gtest.h>

#include <vector>

#include "skin/SkinScrollBar.h"
#include "win/support/Capture.h"
#include "win/support/DistFolder.h"
#include "win/support/Input.h"
#include "win/support/MessagePump.h"

using namespace std::chrono_literals;

namespace {
constexpr int kBarX = 10, kBarY = 10, kLength = 200;

// A window with one skinned bar that scrolls like a real owner: it records
// every notification and, except for thumb tracking, sets the new position
// back into the bar.
class BarHost : public CWnd {
public:
    struct Note {
        UINT msg;
        int code;
        int track;
    };

    explicit BarHost(bool vertical) {
        CreateEx(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, RECT{40, 40, 300, 300}, nullptr, 0);
        const RECT r = vertical ? RECT{kBarX, kBarY, kBarX + 14, kBarY + kLength}
                                : RECT{kBarX, kBarY, kBarX + kLength, kBarY + 14};
        bar.CreateEx(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | (vertical ? SBS_VERT : 0), r, GetSafeHwnd(), 7);
        SetRange(0, 99, 10, 0);
        PumpFor(50ms);
    }
    ~BarHost() override { DestroyWindow(); }

    void SetRange(int min, int max, int page, int pos) const {
        SCROLLINFO info{sizeof(info), SIF_ALL, min, max, static_cast<UINT>(page), pos, 0};
        SetScrollInfo(bar.GetSafeHwnd(), SB_CTL, &info, TRUE);
    }
    int Pos() const { return bar.Range().pos; }
    // A point `along` pixels down (or right) the bar, in the middle across.
    POINT At(int along) const {
        const RECT r = bar.WindowRect();
        POINT p{r.left, r.top};
        const bool vertical = bar.Style() & SBS_VERT;
        p.x += vertical ? 7 : along;
        p.y += vertical ? along : 7;
        return p;
    }

    CSkinScrollBar bar;
    std::vector<Note> notes;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        if ((msg == WM_VSCROLL || msg == WM_HSCROLL) && reinterpret_cast<HWND>(lp) == bar.GetSafeHwnd()) {
            OnScroll(msg, LOWORD(wp), static_cast<short>(HIWORD(wp)));
            return 0;
        }
        return CWnd::WindowProc(msg, wp, lp);
    }

private:
    void OnScroll(UINT msg, int code, int track) {
        notes.push_back({msg, code, track});
        SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
        GetScrollInfo(bar.GetSafeHwnd(), SB_CTL, &info);
        const int step[] = {-1, 1, -static_cast<int>(info.nPage), static_cast<int>(info.nPage)};
        if (code > SB_PAGEDOWN) return;
        const int last = info.nMax - static_cast<int>(info.nPage) + 1;
        info.nPos = std::max(info.nMin, std::min(last, info.nPos + step[code]));
        info.fMask = SIF_POS;
        SetScrollInfo(bar.GetSafeHwnd(), SB_CTL, &info, TRUE);
    }
};

class SkinScrollBarTest : public ::testing::Test {
protected:
    void TearDown() override {
        MouseButton(false);
        SetCursorPos(1200, 1000);
        PumpFor(30ms);
    }
    static void Hold(POINT at, std::chrono::milliseconds time) {
        MoveCursor(at);
        PumpFor(30ms);
        MouseButton(true);
        PumpFor(time);
        MouseButton(false);
        PumpFor(30ms);
    }
    InDistFolder folder_;
};
}  // namespace

TEST_F(SkinScrollBarTest, TakesItsThicknessFromTheImageAndKeepsItsScrollInformation) {
    BarHost host(true);
    EXPECT_EQ(host.bar.Thickness(), 14);
    host.SetRange(-5, 300, 20, 42);
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(GetScrollInfo(host.bar.GetSafeHwnd(), SB_CTL, &info));
    EXPECT_EQ(info.nMin, -5);
    EXPECT_EQ(info.nMax, 300);
    EXPECT_EQ(info.nPage, 20u);
    EXPECT_EQ(info.nPos, 42);
    // Only the named fields change.
    SCROLLINFO pos{sizeof(pos), SIF_POS, 0, 0, 0, 7, 0};
    SetScrollInfo(host.bar.GetSafeHwnd(), SB_CTL, &pos, TRUE);
    EXPECT_EQ(host.bar.Range(), (ScrollRange{-5, 300, 20, 7, 0}));
}

TEST_F(SkinScrollBarTest, HoldingAnArrowStepsAtOnceThenRepeatsUntilTheLastPage) {
    BarHost host(true);
    host.SetRange(0, 99, 10, 85);
    MoveCursor(host.At(kLength - 5));
    PumpFor(30ms);
    MouseButton(true);
    PumpFor(250ms);
    EXPECT_EQ(host.notes.size(), 1u) << "one step at once, nothing more before 500 ms";
    PumpFor(1200ms);
    MouseButton(false);
    PumpFor(30ms);
    // 85 -> 90, the last page, then no more.
    EXPECT_EQ(host.notes.size(), 5u);
    EXPECT_EQ(host.Pos(), 90);
    for (const auto& n : host.notes) {
        EXPECT_EQ(n.code, SB_LINEDOWN);
        EXPECT_EQ(n.msg, static_cast<UINT>(WM_VSCROLL));
    }
}

TEST_F(SkinScrollBarTest, HoldingThePageAreaStopsWhenTheThumbArrivesUnderTheCursor) {
    BarHost host(true);
    // Track 172, thumb 17; the thumb covers 120 once the position is 60.
    Hold(host.At(120), 2000ms);
    EXPECT_EQ(host.Pos(), 60);
    EXPECT_EQ(host.notes.size(), 6u);
    for (const auto& n : host.notes) EXPECT_EQ(n.code, SB_PAGEDOWN);
}

TEST_F(SkinScrollBarTest, DraggingTheThumbTracksWithoutMovingTheBarAndClampsToTheLastPage) {
    BarHost host(true);
    MoveCursor(host.At(20));
    PumpFor(30ms);
    MouseButton(true);
    PumpFor(30ms);
    MoveCursor(host.At(33));
    PumpFor(50ms);
    MoveCursor(host.At(400));  // far beyond the end
    PumpFor(50ms);
    MouseButton(false);
    PumpFor(50ms);
    ASSERT_GE(host.notes.size(), 2u);
    for (const auto& n : host.notes) EXPECT_EQ(n.code, SB_THUMBTRACK);
    // Usable length 172 - 10 * 172 / 100 = 155 for 90 positions.
    EXPECT_EQ(host.notes.front().track, 13 * 90 / 155);
    EXPECT_EQ(host.notes.back().track, 90);
    EXPECT_EQ(host.Pos(), 0) << "the bar never moves itself";
}

TEST_F(SkinScrollBarTest, HorizontalBarSendsHorizontalNotifications) {
    BarHost host(false);
    Hold(host.At(3), 100ms);  // at 0 already: stays there
    Hold(host.At(kLength - 3), 100ms);
    ASSERT_EQ(host.notes.size(), 2u);
    EXPECT_EQ(host.notes[0].code, SB_LINEUP);
    EXPECT_EQ(host.notes[1].code, SB_LINEDOWN);
    for (const auto& n : host.notes) EXPECT_EQ(n.msg, static_cast<UINT>(WM_HSCROLL));
    EXPECT_EQ(host.Pos(), 1);
}

TEST_F(SkinScrollBarTest, PartsShowTheirStates) {
    BarHost host(true);
    host.SetRange(0, 99, 50, 0);  // thumb from 14 to 100
    const auto pixel = [&](int along) { return CaptureClient(host.bar.GetSafeHwnd()).At(7, along); };
    const uint32_t track = pixel(150), thumb = pixel(50);
    EXPECT_NE(track, thumb);
    const Capture whole = CaptureClient(host.bar.GetSafeHwnd());
    for (int x = 0; x < whole.width; ++x) EXPECT_EQ(whole.At(x, 150), track) << "the track covers column " << x;
    MoveCursor(host.At(50));
    PumpFor(80ms);
    const uint32_t hovered = pixel(50);
    EXPECT_NE(hovered, thumb);
    MoveCursor(POINT{1200, 1000});
    EXPECT_TRUE(PumpUntil([&] { return pixel(50) == thumb; }, 1500ms)) << "the leave notice ends the hover";
    MoveCursor(host.At(50));
    PumpFor(80ms);
    MouseButton(true);
    PumpFor(50ms);
    EXPECT_NE(pixel(50), hovered) << "pressed";
    MouseButton(false);
    SetCursorPos(1200, 1000);
    PumpFor(80ms);
    EXPECT_EQ(pixel(50), thumb);
    host.bar.Enable(false);
    PumpFor(30ms);
    EXPECT_NE(pixel(150), track) << "disabled track";
    // A page over the whole range leaves no thumb: track all along.
    host.bar.Enable(true);
    host.SetRange(0, 99, 100, 0);
    PumpFor(30ms);
    EXPECT_EQ(pixel(50), track);
    // A page area lightens under the cursor and more while held (one step
    // leaves the thumb far above it).
    host.SetRange(0, 999, 50, 0);
    MoveCursor(host.At(150));
    PumpFor(80ms);
    const uint32_t pageHovered = pixel(150);
    EXPECT_NE(pageHovered, track);
    MouseButton(true);
    PumpFor(50ms);
    EXPECT_NE(pixel(150), pageHovered);
    EXPECT_NE(pixel(150), track);
}
