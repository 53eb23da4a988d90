#include <gtest/gtest.h>

#include "geometry/SkinImageSet.h"

// One row per DPI: the set drawn from and the file read for a 100 % image.
TEST(SkinImageSet, AWindowDrawsFromItsOwnSetOrTheNextLargerOne) {
    const struct {
        int dpi, set;
        const char16_t* file;
    } rows[] = {
        {96, 96, u".\\res\\Main_Normal.bmp"},
        {72, 96, u".\\res\\Main_Normal.bmp"},        // below 100 %: shrunk
        {0, 96, u".\\res\\Main_Normal.bmp"},         // a failed query
        {97, 144, u".\\res\\150\\Main_Normal.png"},  // never 100 % stretched up
        {144, 144, u".\\res\\150\\Main_Normal.png"},
        {168, 192, u".\\res\\200\\Main_Normal.png"},
        {288, 192, u".\\res\\200\\Main_Normal.png"},  // above the largest: enlarged
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.dpi);
        EXPECT_EQ(SkinSetDpi(row.dpi), row.set);
        EXPECT_EQ(SkinSetPath(u".\\res\\Main_Normal.bmp", row.set), row.file);
    }
    EXPECT_EQ(SkinSetPath(u"mask.bmp", 144), u"150\\mask.png") << "no folder";
    EXPECT_EQ(SkinSetPath(u"C:\\t.x\\mask", 192), u"C:\\t.x\\200\\mask.png") << "a dot in a folder";
}

// One row per grid (size in its set, cells, set, DPI): where its first and
// last cells go. All cells keep one size, so controls find them by dividing.
TEST(SkinImageSet, GridsScaleCellByCell) {
    const struct {
        int width, height, columns, rows, setDpi, dpi;
        std::size_t count;
        CellCopy first, last;
    } rows[] = {
        // The 150 % scroll bar (cells of 21) at 125 %: 17.5 rounds up.
        {84, 84, 4, 4, 144, 120, 16, {{0, 0, 21, 21}, {0, 0, 18, 18}}, {{63, 63, 21, 21}, {54, 54, 18, 18}}},
        {28, 160, 1, 4, 192, 168, 4, {{0, 0, 28, 40}, {0, 0, 25, 35}}, {{0, 120, 28, 40}, {0, 105, 25, 35}}},
        // An image drawn for its DPI stays; an odd height (232.5 drawn as 233) comes back.
        {570, 233, 1, 1, 144, 144, 1, {{0, 0, 570, 233}, {0, 0, 570, 233}}, {{0, 0, 570, 233}, {0, 0, 570, 233}}},
        {570, 233, 1, 1, 144, 120, 1, {{0, 0, 570, 233}, {0, 0, 475, 194}}, {{0, 0, 570, 233}, {0, 0, 475, 194}}},
        // Above the largest set: enlarged; a spare pixel column is dropped.
        {57, 28, 2, 1, 192, 288, 2, {{0, 0, 28, 28}, {0, 0, 42, 42}}, {{28, 0, 28, 28}, {42, 0, 42, 42}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.width);
        const auto cells = ScaleGridCells(row.width, row.height, row.columns, row.rows, row.setDpi, row.dpi);
        ASSERT_EQ(cells.size(), row.count);
        EXPECT_EQ(cells.front(), row.first);
        EXPECT_EQ(cells.back(), row.last);
    }
    EXPECT_TRUE(ScaleGridCells(10, 10, 0, 4, 144, 120).empty()) << "no columns";
    EXPECT_TRUE(ScaleGridCells(3, 10, 4, 1, 144, 120).empty()) << "cells narrower than a pixel";
}
