#include <gtest/gtest.h>

#include "ui/FileFilter.h"
#include "geometry/SkinGeometry.h"

namespace {
constexpr uint32_t W = 0xFFFFFF;
constexpr uint32_t K = 0x000000;
}  // namespace

TEST(SkinGeometry, StripCellsAndColumns) {
    EXPECT_EQ(StripCell(3, 16, 12), (PixelRect{0, 36, 16, 12}));
    EXPECT_EQ(ImageColumn(2, 16, 64), (PixelRect{32, 0, 16, 64}));
    EXPECT_EQ(GridCell(3, 2, 14, 18), (PixelRect{42, 36, 14, 18}));
}

TEST(SkinGeometry, MaskRunsSkipPureWhiteOnly) {
    // Row 0: a run in the middle; row 1: two runs, one touching each edge;
    // row 2: all white; near-white counts as inside.
    const std::vector<uint32_t> pixels = {
        W, K, K, W,  //
        K, W, W, K,  //
        W, W, W, W,  //
        W, 0xFEFFFF, W, 0xFF000000 | W,
    };
    const std::vector<MaskRun> expected = {{0, 1, 3}, {1, 0, 1}, {1, 3, 4}, {3, 1, 2}};
    EXPECT_EQ(MaskRuns(pixels, 4, 4), expected);
}

TEST(SkinGeometry, MaskRunsOfARoundedShapeCoverExactlyItsPixels) {
    const int w = 9, h = 7;
    std::vector<uint32_t> pixels(w * h, W);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool corner = (x == 0 || x == w - 1) && (y == 0 || y == h - 1);
            if (!corner) pixels[y * w + x] = 0x202020;
        }
    const auto runs = MaskRuns(pixels, w, h);
    ASSERT_EQ(runs.size(), static_cast<std::size_t>(h));
    EXPECT_EQ(runs.front(), (MaskRun{0, 1, w - 1}));
    EXPECT_EQ(runs[3], (MaskRun{3, 0, w}));
    EXPECT_EQ(runs.back(), (MaskRun{h - 1, 1, w - 1}));
}

TEST(SkinGeometry, MaskRunsRejectAShortBuffer) {
    EXPECT_TRUE(MaskRuns(std::vector<uint32_t>(5, K), 3, 2).empty());
    EXPECT_TRUE(MaskRuns({}, 0, 0).empty());
}

TEST(FileFilter, BarsBecomeNulsWithADoubleNulAtTheEnd) {
    EXPECT_EQ(ToSystemFileFilter(u"Profile(*.pf)|*.pf||"), std::u16string(u"Profile(*.pf)\0*.pf\0\0", 20));
    // A filter written without its closing bars still ends properly.
    EXPECT_EQ(ToSystemFileFilter(u"Exe|*.exe"), std::u16string(u"Exe\0*.exe\0\0", 11));
}
