#include <gtest/gtest.h>

#include "geometry/SliderLayout.h"

namespace {
constexpr ThumbSize kThumb{14, 20};
}

TEST(SliderLayout, FittingGrowsToTheThumbAndByHalfAThumbAtTheEnds) {
    // A one-pixel track line: 9 pixels more above and below.
    EXPECT_EQ(FitSlider({152, 131, 512, 132}, kThumb, false), (EdgeRect{144, 122, 520, 141}));
    EXPECT_EQ(FitSlider({152, 100, 512, 130}, kThumb, false), (EdgeRect{144, 100, 520, 130})) << "thick enough";
    EXPECT_EQ(FitSlider({0, 10, 100, 29}, kThumb, false), (EdgeRect{-8, 9, 108, 30})) << "at least 1 pixel";
    EXPECT_EQ(FitSlider({0, 14, 100, 10}, kThumb, false), (EdgeRect{-8, 2, 108, 22})) << "negative height";
    EXPECT_EQ(FitSlider({50, 0, 52, 200}, kThumb, true), (EdgeRect{44, -11, 58, 211}));
}

TEST(SliderLayout, ClickInTheChannelJumpsToTheValueUnderIt) {
    const Channel channel = SliderChannel(216, kThumb, false);
    EXPECT_EQ(channel.from, 8);
    EXPECT_EQ(channel.Length(), 200);
    EXPECT_EQ(SliderValueAt(channel.from + 50, {0, 20}, channel), 5);
    EXPECT_EQ(SliderValueAt(channel.from, {0, 20}, channel), 0);
    EXPECT_EQ(SliderValueAt(channel.to, {0, 20}, channel), 20);
    EXPECT_EQ(SliderValueAt(channel.from + 100, {-10, 10}, channel), 0);
    EXPECT_EQ(SliderValueAt(0, {0, 20}, Channel{8, 8}), std::nullopt) << "no channel";
    EXPECT_EQ(SliderChannel(100, kThumb, true).from, 11);
}

TEST(SliderLayout, ThumbCentreFollowsTheValueAlongTheChannel) {
    const Channel channel{8, 208};
    EXPECT_EQ(SliderThumbRect(5, {0, 20}, channel, kThumb, 216, 24, false), (PixelRect{51, 2, 14, 20}));
    EXPECT_EQ(SliderThumbRect(0, {0, 20}, channel, kThumb, 216, 24, false).x, 1);
    EXPECT_EQ(SliderThumbRect(20, {0, 20}, channel, kThumb, 216, 24, false).x, 201);
    EXPECT_EQ(SliderThumbRect(-30, {0, 20}, channel, kThumb, 216, 24, false).x, 0) << "never below 0";
    EXPECT_EQ(SliderThumbRect(7, {7, 7}, channel, kThumb, 216, 24, false).x, 1) << "empty range";
    EXPECT_EQ(SliderThumbRect(10, {0, 20}, channel, kThumb, 20, 216, true), (PixelRect{3, 101, 14, 20}));
}

TEST(SliderLayout, KeysWheelAndClamping) {
    const SliderRange range{0, 20};
    EXPECT_EQ(SliderKeyTarget(SliderKey::PageUp, 10, range, 5, 1), 5);
    EXPECT_EQ(SliderKeyTarget(SliderKey::PageDown, 10, range, 5, 1), 15);
    EXPECT_EQ(SliderKeyTarget(SliderKey::Home, 10, range, 5, 1), 0);
    EXPECT_EQ(SliderKeyTarget(SliderKey::End, 10, range, 5, 1), 20);
    EXPECT_EQ(SliderKeyTarget(SliderKey::Left, 10, range, 5, 2), 8);
    EXPECT_EQ(SliderKeyTarget(SliderKey::Up, 10, range, 5, 2), 8);
    EXPECT_EQ(SliderKeyTarget(SliderKey::Right, 10, range, 5, 2), 12);
    EXPECT_EQ(SliderKeyTarget(SliderKey::Down, 10, range, 5, 2), 12);
    EXPECT_EQ(SliderWheelTarget(10, 120), 11) << "up is larger";
    EXPECT_EQ(SliderWheelTarget(10, -240), 8);
    EXPECT_EQ(SliderWheelTarget(10, 60), 10) << "less than a notch";
    EXPECT_EQ(ClampToRange(-3, range), 0);
    EXPECT_EQ(ClampToRange(25, range), 20);
    EXPECT_EQ(ClampToRange(7, range), 7);
    EXPECT_EQ(ClampToRange(7, {10, 5}), 5) << "a reversed range: the maximum wins";
}
