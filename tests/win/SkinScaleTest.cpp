#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "geometry/DpiScale.h"
#include "skin/SkinScale.h"
#include "skin/SkinScrollFrame.h"
#include "win/support/Capture.h"
#include "win/support/DistFolder.h"
#include "win/support/GdiplusSession.h"
#include "win/support/MessagePump.h"
#include "win/support/SkinTestDialog.h"

// Skin images for a DPI from the generated sets in dist\res, and the
// skinned controls taking theirs when the window's DPI changes.

using namespace std::chrono_literals;

namespace {
uint32_t Pixel(Gdiplus::Bitmap& b, int x, int y) {
    Gdiplus::Color c;
    b.GetPixel(x, y, &c);
    return c.GetValue() & 0xFFFFFF;
}

// The largest difference of one colour channel.
int ChannelDistance(uint32_t a, uint32_t b) {
    int most = 0;
    for (int shift : {0, 8, 16}) most = std::max(most, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
    return most;
}

class SkinScaleTest : public ::testing::Test {
protected:
    void SetUp() override { EnsureGdiplus(); }
    InDistFolder folder_;
};
}  // namespace

TEST_F(SkinScaleTest, EachSetDpiUsesItsOwnFileAndOthersAResizedSharedCopy) {
    EXPECT_EQ(LoadSkinImage(L".\\res\\scrollbar.bmp", 96, {4, 4}), LoadSkinBitmap(L".\\res\\scrollbar.bmp"));
    const SharedBitmap at150 = LoadSkinImage(L".\\res\\scrollbar.bmp", 144, {4, 4});
    EXPECT_EQ(at150, LoadSkinBitmap(L".\\res\\150\\scrollbar.png")) << "drawn for 150 %, not resized";
    ASSERT_TRUE(HasImage(at150.get()));
    EXPECT_EQ(at150->GetWidth(), 84u);

    const SharedBitmap at125 = LoadSkinImage(L".\\res\\scrollbar.bmp", 120, {4, 4});
    ASSERT_TRUE(HasImage(at125.get()));
    EXPECT_EQ(at125, LoadSkinImage(L".\\res\\scrollbar.bmp", 120, {4, 4})) << "one copy for every holder";
    EXPECT_EQ(at125->GetWidth(), 72u) << "cells of 14 at 100 % are 18 at 125 %";
    EXPECT_EQ(at125->GetHeight(), 72u);
}

// The track cell (column 3) is one flat colour; its neighbour, the thumb,
// has the window's panel colour at its edge. Resized cell by cell, the
// track's first column keeps the track's colour.
TEST_F(SkinScaleTest, GridCellsAreResizedAloneSoNoneTakesColourFromItsNeighbour) {
    const SharedBitmap at125 = LoadSkinImage(L".\\res\\scrollbar.bmp", 120, {4, 4});
    ASSERT_TRUE(HasImage(at125.get()));
    for (int row = 0; row < 4; ++row) {
        const int y = row * 18 + 9;
        const uint32_t track = Pixel(*at125, 3 * 18 + 9, y);
        EXPECT_LE(ChannelDistance(Pixel(*at125, 3 * 18, y), track), 1) << "row " << row;
        EXPECT_LE(ChannelDistance(Pixel(*at125, 4 * 18 - 1, y), track), 1) << "row " << row;
    }
}

TEST_F(SkinScaleTest, AnImageMissingFromTheLargerSetIsTheOneAt100PercentResized) {
    Gdiplus::Bitmap plain(10, 8, PixelFormat24bppRGB);
    {
        Gdiplus::Graphics g(&plain);
        g.Clear(Gdiplus::Color(255, 40, 80, 120));
    }
    const std::wstring path = TestProgramFolder() + L"screenshots\\only_at_100.bmp";
    ASSERT_TRUE(SaveImage(plain, path, L"image/bmp"));
    EXPECT_EQ(LoadSetImage(path, 144).dpi, 96);
    const SharedBitmap at150 = LoadSkinImage(path, 144);
    ASSERT_TRUE(HasImage(at150.get()));
    EXPECT_EQ(at150->GetWidth(), 15u);
    EXPECT_EQ(at150->GetHeight(), 12u);
    EXPECT_EQ(Pixel(*at150, 14, 11), 0x285078u) << "edges sampled from the image itself";

    const SharedBitmap none = LoadSkinImage(L".\\res\\no_such_image.bmp", 120);
    ASSERT_NE(none, nullptr);
    EXPECT_FALSE(HasImage(none.get())) << "no file: drawing from it fails silently";
}

// Wine never sends WM_DPICHANGED: the test sends it as Windows would.
TEST_F(SkinScaleTest, ADpiChangeGivesTheControlsTheirOwnImagesAtTheNewScale) {
    SkinTestDialog dialog;
    dialog.Open();
    dialog.list.LoadBackground();
    const CSkinScrollFrame* frame = dialog.memo.ScrollFrame();
    ASSERT_NE(frame, nullptr);
    const auto change = [&](int dpi) {
        RECT suggested{40, 40, 40 + ScaleLength(SkinTestDialog::kWidth, dpi), 40 + ScaleLength(SkinTestDialog::kHeight, dpi)};
        dialog.Send(WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        PumpFor(150ms);
    };
    change(144);
    const RECT thumb = dialog.slider.ThumbRect();
    EXPECT_EQ(thumb.right - thumb.left, 21) << "the thumb of 14 x 20 at 150 %";
    EXPECT_EQ(thumb.bottom - thumb.top, 30);
    // The track (200 long at 100 %) is 300 long, and the thumb's centre
    // reaches both ends: half a thumb plus one beyond each.
    EXPECT_EQ(dialog.slider.WindowRect().right - dialog.slider.WindowRect().left, 300 + 2 * 11);
    EXPECT_EQ(dialog.list.ItemHeight(), 33) << "rows of 22";
    EXPECT_EQ(frame->VerticalBar().Thickness(), 21);
    const RECT bar = frame->VerticalBar().WindowRect();
    EXPECT_EQ(bar.right - bar.left, 21) << "the bar's window follows its thickness";

    change(96);
    EXPECT_EQ(dialog.slider.ThumbRect().right - dialog.slider.ThumbRect().left, 14) << "and back at 100 %";
    EXPECT_EQ(dialog.list.ItemHeight(), 22);
    EXPECT_EQ(frame->VerticalBar().Thickness(), 14);
}
