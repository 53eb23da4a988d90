#include <gtest/gtest.h>

#include "win/support/Capture.h"
#include "win/support/Input.h"
#include "win/support/ListTestFixture.h"
#include "win/support/MessagePump.h"
#include "win/support/SkinTestDialog.h"

using namespace std::chrono_literals;

namespace {
class SkinListBoxTest : public ListTest {
protected:
    void OpenWithRows() {
        Park();
        dialog.list.LoadBackground();
        dialog.Open();
        for (const wchar_t* text : {L"One", L"", L"Three"}) dialog.list.AddString(text);
        PumpFor(50ms);
    }
    // The colour of row `row` at its right end, away from its text.
    uint32_t RowColour(int row) {
        const Capture c = CaptureClient(dialog.list.GetSafeHwnd());
        return c.At(c.width - 6, row * ItemHeight() + ItemHeight() / 2);
    }
    // The colour of the list below its rows.
    uint32_t BelowRows() {
        const Capture c = CaptureClient(dialog.list.GetSafeHwnd());
        return c.At(c.width - 6, c.height - 4);
    }
    // Screen point in the middle of row `row`.
    POINT RowPoint(int row) {
        RECT r{};
        dialog.list.GetItemRect(row, &r);
        POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(dialog.list.GetSafeHwnd(), &p);
        return p;
    }
    bool HasPixel(int row, uint32_t rgb) {
        const Capture c = CaptureClient(dialog.list.GetSafeHwnd());
        for (int y = row * ItemHeight(); y < (row + 1) * ItemHeight(); ++y)
            for (int x = 0; x < c.width; ++x)
                if (c.At(x, y) == rgb) return true;
        return false;
    }

    SkinTestDialog dialog;
};
}  // namespace

TEST_F(SkinListBoxTest, RowsTakeTheImagesRowHeightAndItsBandsAndEmptyRowsAreNotPainted) {
    OpenWithRows();
    EXPECT_EQ(dialog.list.ItemHeight(), ItemHeight());
    EXPECT_EQ(dialog.list.GetItemHeight(0), ItemHeight());
    dialog.list.SetCurSel(2);
    EXPECT_EQ(RowColour(0), BandColour(ListBand::Normal));
    // The empty row shows the list's background: the parent's Normal image.
    EXPECT_EQ(RowColour(1), StateColour(SkinState::Normal, 0));
    EXPECT_EQ(RowColour(2), BandColour(ListBand::Selected));
    EXPECT_EQ(BelowRows(), StateColour(SkinState::Normal, 0));
    EXPECT_TRUE(HasPixel(0, 0xFFFFFF)) << "normal text in white";
    EXPECT_TRUE(HasPixel(2, 0x0000FF)) << "selected text in blue";

    dialog.list.Enable(false);
    PumpFor(30ms);
    EXPECT_EQ(RowColour(0), BandColour(ListBand::Disabled));
    EXPECT_EQ(RowColour(2), BandColour(ListBand::DisabledSelected));
    EXPECT_EQ(BelowRows(), StateColour(SkinState::Disable, 0));
    EXPECT_TRUE(HasPixel(2, 0x808080)) << "disabled text in grey";
}

TEST_F(SkinListBoxTest, HighlightFollowsThePointerRowByRow) {
    OpenWithRows();
    dialog.list.SetCurSel(2);
    MoveCursor(RowPoint(0));
    ASSERT_TRUE(PumpUntil([&] { return dialog.list.HoverRow() == 0; }, 1000ms));
    EXPECT_EQ(RowColour(0), BandColour(ListBand::Hover));
    EXPECT_TRUE(HasPixel(0, 0xADFF2F)) << "hover text in green-yellow";

    MoveCursor(RowPoint(2));
    ASSERT_TRUE(PumpUntil([&] { return dialog.list.HoverRow() == 2; }, 1000ms));
    PumpFor(30ms);
    EXPECT_EQ(RowColour(0), BandColour(ListBand::Normal)) << "the row that lost the highlight is repainted";
    EXPECT_EQ(RowColour(2), BandColour(ListBand::HoverSelected));
    EXPECT_TRUE(HasPixel(2, 0xFFC0CB)) << "hover and selected text in pink";

    // Below the last row: over the list, over no row.
    POINT below = CentreOf(dialog.list.GetSafeHwnd());
    below.y += 40;
    MoveCursor(below);
    ASSERT_TRUE(PumpUntil([&] { return dialog.list.HoverRow() == ListHover::kNoRow; }, 1000ms));
    PumpFor(30ms);
    EXPECT_EQ(RowColour(2), BandColour(ListBand::Selected));

    MoveCursor(RowPoint(0));
    ASSERT_TRUE(PumpUntil([&] { return dialog.list.HoverRow() == 0; }, 1000ms));
    Park();
    EXPECT_TRUE(PumpUntil([&] { return dialog.list.HoverRow() == ListHover::kOutside; }, 1000ms));
    PumpFor(30ms);
    EXPECT_EQ(RowColour(0), BandColour(ListBand::Normal));
}

TEST_F(SkinListBoxTest, HoverReportFromAFrameSwitchesTheBackgroundToTheOverImage) {
    OpenWithRows();
    dialog.list.Send(WM_SKIN_HOVER, 1, 0);
    EXPECT_TRUE(dialog.list.IsHovering());
    EXPECT_EQ(BelowRows(), StateColour(SkinState::Over, 0));
    dialog.list.Send(WM_SKIN_HOVER, 0, 0);
    EXPECT_FALSE(dialog.list.IsHovering());
    EXPECT_EQ(BelowRows(), StateColour(SkinState::Normal, 0));
}

TEST_F(SkinListBoxTest, ListOfItsOwnLookUsesBandSixAndBandOneWhenDisabled) {
    Park();
    dialog.list.LoadBackground();
    dialog.list.SetUseParentBackground(false);
    dialog.Open();
    EXPECT_EQ(BelowRows(), BandColour(ListBand::Background));
    dialog.list.Enable(false);
    PumpFor(30ms);
    EXPECT_EQ(BelowRows(), BandColour(ListBand::Disabled));
    // A frame's hover report keeps the list's own background.
    dialog.list.Enable(true);
    dialog.list.Send(WM_SKIN_HOVER, 1, 0);
    EXPECT_EQ(BelowRows(), BandColour(ListBand::Background));
}
