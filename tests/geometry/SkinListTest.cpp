#include <gtest/gtest.h>

#include "ui/DropDown.h"
#include "geometry/SkinList.h"

TEST(SkinList, RowLookFollowsTheStateTableInOrderOfPrecedence) {
    struct Case {
        bool selected, disabled, hovered;
        ListRowLook look;
    };
    const Case cases[] = {
        {true, true, true, {ListBand::DisabledSelected, SkinState::DisableSelected}},
        {true, true, false, {ListBand::DisabledSelected, SkinState::DisableSelected}},
        {true, false, true, {ListBand::HoverSelected, SkinState::OverSelected}},
        {true, false, false, {ListBand::Selected, SkinState::Selected}},
        {false, true, true, {ListBand::Disabled, SkinState::Disable}},
        {false, true, false, {ListBand::Disabled, SkinState::Disable}},
        {false, false, true, {ListBand::Hover, SkinState::Over}},
        {false, false, false, {ListBand::Normal, SkinState::Normal}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseListRow(c.selected, c.disabled, c.hovered), c.look)
            << c.selected << c.disabled << c.hovered;
}

TEST(SkinList, ItemHeightIsASeventhOfTheImageTruncated) {
    EXPECT_EQ(ListItemHeight(154), 22);
    EXPECT_EQ(ListItemHeight(160), 22);
    EXPECT_EQ(ListItemHeight(6), 0);  // an image too small (or missing) gives no rows height
    EXPECT_EQ(ListItemHeight(0), 0);
}

TEST(SkinList, BackgroundComesFromTheParentOrFromOwnBands) {
    EXPECT_EQ(ListBackgroundFor(true, true), ListBackground::ParentNormal);
    EXPECT_EQ(ListBackgroundFor(true, false), ListBackground::ParentDisable);
    EXPECT_EQ(ListBackgroundFor(false, true), ListBackground::OwnBackground);
    EXPECT_EQ(ListBackgroundFor(false, false), ListBackground::OwnDisabled);
    EXPECT_EQ(ListHoverBackgroundFor(true, true), ListBackground::ParentOver);
    EXPECT_EQ(ListHoverBackgroundFor(true, false), ListBackground::ParentNormal);
    EXPECT_EQ(ListHoverBackgroundFor(false, true), ListBackground::OwnBackground);
    EXPECT_EQ(ListHoverBackgroundFor(false, false), ListBackground::OwnBackground);
}

TEST(SkinList, HoverRepaintsOnlyTheRowsThatLoseAndGainTheHighlight) {
    ListHover hover;
    EXPECT_EQ(hover.Current(), ListHover::kOutside);
    // Entering over row 2: nothing lost, row 2 gained.
    EXPECT_EQ(hover.Move(2), (ListHover::Change{ListHover::kOutside, 2}));
    // Moving within the same row repaints nothing.
    EXPECT_EQ(hover.Move(2), std::nullopt);
    EXPECT_EQ(hover.Move(3), (ListHover::Change{2, 3}));
    // Below the last row: row 3 loses the highlight, no row gains it.
    EXPECT_EQ(hover.Move(ListHover::kNoRow), (ListHover::Change{3, ListHover::kNoRow}));
    EXPECT_EQ(hover.Current(), ListHover::kNoRow);
    EXPECT_EQ(hover.Move(ListHover::kNoRow), std::nullopt);
    EXPECT_EQ(hover.Move(0), (ListHover::Change{ListHover::kNoRow, 0}));
    // Leaving: row 0 loses it, and the list is outside again.
    EXPECT_EQ(hover.Leave(), 0);
    EXPECT_EQ(hover.Current(), ListHover::kOutside);
    EXPECT_EQ(hover.Previous(), ListHover::kOutside);
    EXPECT_EQ(hover.Leave(), ListHover::kOutside);  // twice: nothing to repaint
    // Coming back onto the row it left highlights it again.
    EXPECT_EQ(hover.Move(0), (ListHover::Change{ListHover::kOutside, 0}));
}

TEST(DropDown, HeightShowsEveryRowButIsAtLeastEightyPixels) {
    EXPECT_EQ(DropDownHeight(0), 80);   // no items
    EXPECT_EQ(DropDownHeight(78), 80);  // 78 + 2 is exactly the minimum
    EXPECT_EQ(DropDownHeight(66), 80);
    EXPECT_EQ(DropDownHeight(79), 81);
    EXPECT_EQ(DropDownHeight(10 * 22), 222);  // the ten accelerator rows
}

TEST(DropDown, OpensBelowTheButtonAsWideAsItAndStaysOnTheScreen) {
    const PixelRect button{100, 200, 242, 36};
    // Room enough: two pixels below the button, the asked height.
    EXPECT_EQ(DropDownPlacement(button, 222, 768), (PixelRect{100, 238, 242, 222}));
    // Too tall for the room below: cut at the work area's bottom.
    EXPECT_EQ(DropDownPlacement(button, 2202, 768), (PixelRect{100, 238, 242, 530}));
    EXPECT_EQ(DropDownPlacement(button, 530, 768), (PixelRect{100, 238, 242, 530}));
    // Hardly any room: still the minimum height, never less.
    EXPECT_EQ(DropDownPlacement(PixelRect{0, 700, 50, 36}, 500, 768), (PixelRect{0, 738, 50, 80}));
    // A short list keeps its own height even where the room is small.
    EXPECT_EQ(DropDownPlacement(PixelRect{0, 700, 50, 36}, 80, 768), (PixelRect{0, 738, 50, 80}));
}

TEST(DropDown, KeysStepTheChoiceOfAClosedDropDownAndStopAtTheEnds) {
    constexpr uint32_t kEnd = 0x23, kHome = 0x24, kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28;
    const struct {
        uint32_t vk;
        int chosen, count;
        std::optional<int> expected;
    } cases[] = {
        {kDown, 1, 4, 2},  {kRight, 1, 4, 2}, {kUp, 1, 4, 0},   {kLeft, 1, 4, 0},  // one step
        {kDown, 3, 4, 3},  {kUp, 0, 4, 0},                                          // the ends hold
        {kHome, 2, 4, 0},  {kEnd, 0, 4, 3},                                         // the ends
        {kDown, -1, 4, 0}, {kUp, -1, 4, 0},   {kEnd, -1, 4, 3},                     // nothing chosen yet
        {kDown, 0, 0, std::nullopt}, {0x20, 1, 4, std::nullopt},                    // no rows; Space
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClosedDropDownStep(c.vk, c.chosen, c.count), c.expected) << c.vk << " from " << c.chosen;
}
