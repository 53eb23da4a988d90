#include <gtest/gtest.h>

#include "ui/SkinState.h"

TEST(SkinState, ImageIndexZeroFollowsTheDialogExceptWhenDisabled) {
    EXPECT_EQ(SkinImageIndex(SkinState::Normal, 0, 3), 3);
    EXPECT_EQ(SkinImageIndex(SkinState::Over, 0, 3), 3);
    EXPECT_EQ(SkinImageIndex(SkinState::OverSelected, 0, 3), 3);
    EXPECT_EQ(SkinImageIndex(SkinState::Selected, 0, 3), 3);
    EXPECT_EQ(SkinImageIndex(SkinState::Disable, 0, 3), 0);
    EXPECT_EQ(SkinImageIndex(SkinState::DisableSelected, 0, 3), 0);
    // An own index sticks, whatever the dialog shows.
    EXPECT_EQ(SkinImageIndex(SkinState::Normal, 2, 3), 2);
    EXPECT_EQ(SkinImageIndex(SkinState::Disable, 2, 3), 2);
}

TEST(SkinState, ButtonFacePrefersDisabledThenPressedThenHover) {
    EXPECT_EQ(ChooseButtonFace(true, true, true).row, 1);
    EXPECT_EQ(ChooseButtonFace(true, true, true).slice, SkinState::Disable);
    EXPECT_EQ(ChooseButtonFace(false, true, true).row, 3);
    EXPECT_EQ(ChooseButtonFace(false, true, true).slice, SkinState::Selected);
    EXPECT_EQ(ChooseButtonFace(false, false, true).row, 2);
    EXPECT_EQ(ChooseButtonFace(false, false, true).slice, SkinState::Over);
    EXPECT_EQ(ChooseButtonFace(false, false, false).row, 0);
    EXPECT_EQ(ChooseButtonFace(false, false, false).slice, SkinState::Normal);
    // A pressed button writes in the hover colour, not the Selected one.
    EXPECT_EQ(ButtonTextState(false, true, false), SkinState::Over);
    EXPECT_EQ(ButtonTextState(true, true, true), SkinState::Disable);
    EXPECT_EQ(ButtonTextState(false, false, false), SkinState::Normal);
}

TEST(SkinState, CheckBoxSliceCoversAllSixStates) {
    EXPECT_EQ(CheckBoxSlice(true, true, false), SkinState::DisableSelected);
    EXPECT_EQ(CheckBoxSlice(true, true, true), SkinState::DisableSelected);
    EXPECT_EQ(CheckBoxSlice(true, false, true), SkinState::OverSelected);
    EXPECT_EQ(CheckBoxSlice(true, false, false), SkinState::Selected);
    EXPECT_EQ(CheckBoxSlice(false, true, true), SkinState::Disable);
    EXPECT_EQ(CheckBoxSlice(false, false, true), SkinState::Over);
    EXPECT_EQ(CheckBoxSlice(false, false, false), SkinState::Normal);
    // A disabled ticked box writes in the Disable colour; a ticked one in Over.
    EXPECT_EQ(CheckBoxTextState(true, true, false), SkinState::Disable);
    EXPECT_EQ(CheckBoxTextState(true, false, false), SkinState::Over);
    EXPECT_EQ(CheckBoxTextState(false, false, false), SkinState::Normal);
}

TEST(SkinState, HyperLinkHoverWinsOverVisited) {
    EXPECT_EQ(HyperLinkState(true, false, true), SkinState::Over);
    EXPECT_EQ(HyperLinkState(true, false, false), SkinState::Selected);
    EXPECT_EQ(HyperLinkState(false, false, false), SkinState::Normal);
    EXPECT_EQ(HyperLinkState(true, true, true), SkinState::Disable);
}

TEST(SkinState, DefaultColoursAndSuffixesFollowStateOrder) {
    const SkinTextColours c = DefaultSkinTextColours();
    EXPECT_EQ(c[static_cast<int>(SkinState::Normal)], 0xFFFFFFFFu);
    EXPECT_EQ(c[static_cast<int>(SkinState::Over)], 0xFFADFF2Fu);
    EXPECT_EQ(c[static_cast<int>(SkinState::OverSelected)], 0xFFFFC0CBu);
    EXPECT_EQ(c[static_cast<int>(SkinState::Selected)], 0xFF0000FFu);
    EXPECT_EQ(SkinStateSuffix(SkinState::DisableSelected), u"_DisableSelected");
    EXPECT_EQ(SkinStateSuffix(SkinState::Selected), u"_Selected");
    EXPECT_EQ(ArgbToColorRef(0xFFADFF2F), 0x002FFFADu);
}

TEST(SkinState, TextFlagsMapToAlignment) {
    EXPECT_EQ(TextLayoutOfFlags(5).horizontal, TextAlign::Center);
    EXPECT_EQ(TextLayoutOfFlags(5).vertical, TextAlign::Center);
    EXPECT_EQ(TextLayoutOfFlags(2).horizontal, TextAlign::Far);
    EXPECT_FALSE(TextLayoutOfFlags(2).vertical.has_value());
    // Bottom wins over centre when both bits are set.
    EXPECT_EQ(TextLayoutOfFlags(12).vertical, TextAlign::Far);
    EXPECT_EQ(TextLayoutOfFlags(3).horizontal, TextAlign::Near);
}

TEST(SkinState, CheckBoxTextNeedsRoomRightOfTheIndent) {
    EXPECT_FALSE(CheckBoxTextSpan(20, 20).has_value());
    EXPECT_FALSE(CheckBoxTextSpan(10, 24).has_value());
    ASSERT_TRUE(CheckBoxTextSpan(21, 20).has_value());
    EXPECT_EQ(CheckBoxTextSpan(99, 20)->from, 20);
    EXPECT_EQ(CheckBoxTextSpan(99, 20)->to, 99);
}

TEST(SkinState, HoverEntersOnMoveAndLeavesOnlyThroughTheTimer) {
    EXPECT_EQ(HoverOnMouseMove(true, false, true), HoverChange::Entered);
    EXPECT_EQ(HoverOnMouseMove(true, true, true), HoverChange::None);
    EXPECT_EQ(HoverOnMouseMove(true, false, false), HoverChange::None);
    // A move outside never ends hovering; the timer does.
    EXPECT_EQ(HoverOnMouseMove(false, true, true), HoverChange::None);
    EXPECT_EQ(HoverOnTimer(false, true), HoverChange::Left);
    EXPECT_EQ(HoverOnTimer(true, true), HoverChange::None);
    EXPECT_EQ(HoverOnTimer(false, false), HoverChange::None);
}

TEST(SkinState, ImagePathsUseTheResourceFolderAndSuffix) {
    EXPECT_EQ(SkinImagePath(u"Macro", SkinState::Normal), u".\\res\\Macro_Normal.bmp");
    EXPECT_EQ(SkinImagePath(u"Gamingmode", SkinState::OverSelected), u".\\res\\Gamingmode_OverSelected.bmp");
    EXPECT_EQ(SkinMaskPath(u"ActionKA"), u".\\res\\ActionKA_Mask.bmp");
}
