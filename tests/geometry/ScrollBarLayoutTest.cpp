#include <gtest/gtest.h>

#include <climits>

#include "geometry/ScrollBarLayout.h"
#include "geometry/ScrollFrameLayout.h"
#include "ui/SkinState.h"

namespace {
// A 100-pixel bar with 14-pixel arrows over 100 lines, 10 to a page.
constexpr int kLength = 100, kArrow = 14;
ScrollRange Lines(int pos, int page = 10) { return {0, 99, page, pos, pos}; }
AxisSpan Thumb(const ScrollBarLayout& l) { return l.Of(kScrollThumbTrack); }
}  // namespace

TEST(ScrollBarLayout, ThumbIsProportionalAtLeastEightAndFollowsThePosition) {
    // Track 72: a page of 10 in 100 gives 7 pixels, raised to 8.
    const ScrollBarLayout top = LayoutScrollBar(kLength, kArrow, Lines(0));
    const std::array<AxisSpan, 5> expected = {{{0, 14}, {14, 14}, {14, 22}, {22, 86}, {86, 100}}};
    EXPECT_EQ(top.spans, expected);
    EXPECT_EQ(Thumb(LayoutScrollBar(kLength, kArrow, Lines(45))), (AxisSpan{46, 54}));
    EXPECT_EQ(Thumb(LayoutScrollBar(kLength, kArrow, Lines(90))), (AxisSpan{78, 86}));
    EXPECT_EQ(Thumb(LayoutScrollBar(kLength, kArrow, Lines(0, 50))), (AxisSpan{14, 50}));
}

TEST(ScrollBarLayout, NoThumbWhenThePageCoversTheRangeOrTheTrackIsShort) {
    for (int page : {100, 150}) {
        const AxisSpan t = Thumb(LayoutScrollBar(kLength, kArrow, Lines(0, page)));
        EXPECT_EQ(t.Length(), 0) << page;
        EXPECT_EQ(t.from, 50) << "centred in the track";
    }
    EXPECT_EQ(Thumb(LayoutScrollBar(35, kArrow, Lines(0))).Length(), 0) << "track of 7";
    EXPECT_EQ(Thumb(LayoutScrollBar(36, kArrow, Lines(0))).Length(), 8) << "track of 8";
    // Too short even for the arrows: each takes half.
    const ScrollBarLayout tiny = LayoutScrollBar(21, kArrow, Lines(0));
    EXPECT_EQ(tiny.Of(kScrollLineUp), (AxisSpan{0, 10}));
    EXPECT_EQ(tiny.Of(kScrollLineDown), (AxisSpan{11, 21}));
}

TEST(ScrollBarLayout, OddRangesNeitherDivideByZeroNorLeaveTheTrack) {
    EXPECT_EQ(Thumb(LayoutScrollBar(kLength, kArrow, {0, -1, 5, 0, 0})).Length(), 0) << "max below min";
    EXPECT_EQ(Thumb(LayoutScrollBar(kLength, kArrow, Lines(500))), (AxisSpan{78, 86}));
    EXPECT_EQ(Thumb(LayoutScrollBar(kLength, kArrow, Lines(-40))), (AxisSpan{14, 22}));
    const ScrollBarLayout huge = LayoutScrollBar(1000, kArrow, {0, INT_MAX - 1, INT_MAX / 2, INT_MAX / 2 + 1, 0});
    EXPECT_EQ(Thumb(huge).Length(), 485);
    EXPECT_EQ(Thumb(huge).to, 1000 - kArrow);
    // The position counts from 0, not from the minimum.
    EXPECT_EQ(Thumb(LayoutScrollBar(kLength, kArrow, {10, 109, 10, 10, 0})).from, 14 + 10 * 64 / 90);
}

TEST(ScrollBarLayout, HitTestFindsThePartsInOrder) {
    const ScrollBarLayout l = LayoutScrollBar(kLength, kArrow, Lines(45));
    EXPECT_EQ(HitTestScrollBar(l, 0), kScrollLineUp);
    EXPECT_EQ(HitTestScrollBar(l, 13), kScrollLineUp);
    EXPECT_EQ(HitTestScrollBar(l, 14), kScrollPageUp);
    EXPECT_EQ(HitTestScrollBar(l, 46), kScrollThumbTrack);
    EXPECT_EQ(HitTestScrollBar(l, 54), kScrollPageDown);
    EXPECT_EQ(HitTestScrollBar(l, 99), kScrollLineDown);
    EXPECT_EQ(HitTestScrollBar(l, 100), kScrollNone);
    EXPECT_EQ(HitTestScrollBar(l, -1), kScrollNone);
    // An empty page-up area is never hit.
    EXPECT_EQ(HitTestScrollBar(LayoutScrollBar(kLength, kArrow, Lines(0)), 14), kScrollThumbTrack);
}

TEST(ScrollBarLayout, DragScalesTheOffsetAndClampsToTheLastPage) {
    // Usable length 72 - 10 * 72 / 100 = 65 for 90 positions.
    EXPECT_EQ(DragPosition(kLength, kArrow, Lines(0), 13, 0), 18);
    EXPECT_EQ(DragPosition(kLength, kArrow, Lines(0), 13, 40), 58);
    EXPECT_EQ(DragPosition(kLength, kArrow, Lines(0), 1000, 40), 90) << "span - page + 1";
    EXPECT_EQ(DragPosition(kLength, kArrow, Lines(0), -50, 10), 0);
    EXPECT_EQ(DragPosition(kLength, kArrow, {5, 104, 10, 0, 0}, -50, 10), 5) << "not below the minimum";
    EXPECT_EQ(DragPosition(kLength, kArrow, {0, -1, 0, 0, 0}, 30, 0), 0) << "empty range";
}

TEST(ScrollBarLayout, RepeatStopsAtTheEndsOrUnderTheCursor) {
    EXPECT_TRUE(RepeatStops(kScrollLineUp, Lines(0), false));
    EXPECT_FALSE(RepeatStops(kScrollLineUp, Lines(1), false));
    EXPECT_FALSE(RepeatStops(kScrollLineDown, Lines(89), false));
    EXPECT_TRUE(RepeatStops(kScrollLineDown, Lines(90), false)) << "last page reached";
    EXPECT_TRUE(RepeatStops(kScrollLineDown, Lines(99, 0), false));
    EXPECT_FALSE(RepeatStops(kScrollLineDown, Lines(98, 0), false));
    EXPECT_FALSE(RepeatStops(kScrollPageDown, Lines(40), false));
    EXPECT_TRUE(RepeatStops(kScrollPageUp, Lines(40), true));
}

TEST(ScrollBarLayout, ThumbIsDrawnInThreeSlices) {
    const std::vector<SliceCopy> three = {{{0, 4}, {20, 24}}, {{4, 10}, {24, 46}}, {{10, 14}, {46, 50}}};
    EXPECT_EQ(ThumbSlices(14, {20, 50}), three);
    const std::vector<SliceCopy> ends = {{{0, 4}, {20, 24}}, {{10, 14}, {24, 28}}};
    EXPECT_EQ(ThumbSlices(14, {20, 28}), ends) << "an 8-pixel thumb has no middle";
    EXPECT_TRUE(ThumbSlices(14, {30, 30}).empty());
}

TEST(ScrollBarLayout, HorizontalBarsSwapTheCoordinates) {
    EXPECT_EQ(SpanRect({14, 22}, 16, true), (PixelRect{0, 14, 16, 8}));
    EXPECT_EQ(SpanRect({14, 22}, 16, false), (PixelRect{14, 0, 8, 16}));
    EXPECT_EQ(StripRow(true, true, true), 1);
    EXPECT_EQ(StripRow(false, true, true), 3);
    EXPECT_EQ(StripRow(false, false, true), 2);
    EXPECT_EQ(StripRow(false, false, false), 0);
}

TEST(ScrollFrameLayout, ControlKeepsOnlyTheSkinBarsThickness) {
    // A 200 x 100 control whose system bars are 17 wide; skin bars 14.
    const HostedClient right = AdjustHostedClient({0, 0, 183, 100}, {true, false, false}, 17, 14);
    EXPECT_EQ(right.client, (EdgeRect{0, 0, 186, 100}));
    EXPECT_EQ(right.verticalBar, (EdgeRect{186, 0, 200, 100}));
    const HostedClient left = AdjustHostedClient({17, 0, 200, 83}, {true, true, true}, 17, 14);
    EXPECT_EQ(left.client, (EdgeRect{14, 0, 200, 86}));
    EXPECT_EQ(left.verticalBar, (EdgeRect{0, 0, 14, 86}));
    EXPECT_EQ(left.horizontalBar, (EdgeRect{14, 86, 200, 100}));
    EXPECT_EQ(AdjustHostedClient({0, 0, 200, 100}, {false, false, false}, 17, 14).client, (EdgeRect{0, 0, 200, 100}));
}

TEST(ScrollFrameLayout, ControlsOwnBarsFallOutsideTheBorderWindow) {
    const FramePlacement right = PlaceInFrame(200, 100, 0, false, true, false, 14, 14);
    EXPECT_EQ(right.border, (EdgeRect{0, 0, 186, 100}));
    EXPECT_EQ(right.controlLeft, 0);
    const FramePlacement left = PlaceInFrame(200, 100, 0, true, true, true, 14, 14);
    EXPECT_EQ(left.border, (EdgeRect{14, 0, 200, 86}));
    EXPECT_EQ(left.controlLeft, -14);
    EXPECT_EQ(PlaceInFrame(200, 100, 2, false, false, false, 14, 14).border, (EdgeRect{2, 2, 198, 98}));
}

TEST(ScrollFrameLayout, BarsFollowTheControl) {
    EXPECT_FALSE(SkinBarEnabled({0, 99, 100, 0, 0}, true)) << "page covers the range";
    EXPECT_TRUE(SkinBarEnabled({0, 99, 99, 0, 0}, true));
    EXPECT_FALSE(SkinBarEnabled({0, 99, 10, 0, 0}, false));
    EXPECT_FALSE(BarOutOfStep({0, 99, 10, 5, 5}, {0, 99, 10, 5, 7})) << "track position alone";
    EXPECT_TRUE(BarOutOfStep({0, 99, 10, 5, 5}, {0, 99, 10, 6, 6}));
    EXPECT_TRUE(BarOutOfStep({0, 99, 10, 5, 5}, {0, 98, 10, 5, 5}));
}
