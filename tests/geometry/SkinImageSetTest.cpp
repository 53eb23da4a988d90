#include <gtest/gtest.h>

#include "geometry/SkinImageSet.h"

// One row per DPI: the set drawn from and the file read for a 100 % image.
TEST(SkinImageSet, AWindowDrawsFromItsOwnSetOrTheNextLargerOne) {
    struct Row {
        int dpi, set;
        const char16_t* file;
    };
    const Row rows[] = {
        {96, 96, u".\\res\\Main_Normal.bmp"},
        {72, 96, u".\\res\\Main_Normal.bmp"},  // below 100 %: the 100 % set, shrunk
        {0, 96, u".\\res\\Main_Normal.bmp"},   // a failed query
        {97, 144, u".\\res\\150\\Main_Normal.png"},  // never the 100 % set stretched up
        {120, 144, u".\\res\\150\\Main_Normal.png"},
        {144, 144, u".\\res\\150\\Main_Normal.png"},
        {168, 192, u".\\res\\200\\Main_Normal.png"},
        {192, 192, u".\\res\\200\\Main_Normal.png"},
        {288, 192, u".\\res\\200\\Main_Normal.png"},  // above the largest: enlarged
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.dpi);
        EXPECT_EQ(SkinSetDpi(row.dpi), row.set);
        EXPECT_EQ(SkinSetPath(u".\\res\\Main_Normal.bmp", SkinSetDpi(row.dpi)), row.file);
    }
    EXPECT_EQ(SkinSetPath(u"mask.bmp", 144), u"150\\mask.png") << "a file without a folder";
    EXPECT_EQ(SkinSetPath(u"C:\\t.x\\mask", 192), u"C:\\t.x\\200\\mask.png") << "a dot in a folder's name";
}

// One row per grid: its size in the set, the set and the window's DPI, and
// where its first and last cells go. Cells keep one size, so a control
// still finds them by dividing.
TEST(SkinImageSet, GridsScaleCellByCell) {
    struct Row {
        int width, height, columns, rows, setDpi, dpi;
        std::size_t count;
        CellCopy first, last;
    };
    const Row rows[] = {
        // The 150 % scroll bar (4 x 4 cells of 21) at 125 %: cells of 17.5 → 18.
        {84, 84, 4, 4, 144, 120, 16, {{0, 0, 21, 21}, {0, 0, 18, 18}}, {{63, 63, 21, 21}, {54, 54, 18, 18}}},
        // The 200 % slider thumb (1 x 4 of 28 x 40) at 175 %.
        {28, 160, 1, 4, 192, 168, 4, {{0, 0, 28, 40}, {0, 0, 25, 35}}, {{0, 120, 28, 40}, {0, 105, 25, 35}}},
        // A whole window image of the 150 % set at 150 % stays as it is.
        {1575, 750, 1, 1, 144, 144, 1, {{0, 0, 1575, 750}, {0, 0, 1575, 750}}, {{0, 0, 1575, 750}, {0, 0, 1575, 750}}},
        // An odd 150 % height (155 x 1.5 = 232.5, drawn as 233) at 125 %: 193.75 → 194.
        {570, 233, 1, 1, 144, 120, 1, {{0, 0, 570, 233}, {0, 0, 475, 194}}, {{0, 0, 570, 233}, {0, 0, 475, 194}}},
        // Above the largest set: enlarged. A spare pixel column is dropped.
        {57, 28, 2, 1, 192, 288, 2, {{0, 0, 28, 28}, {0, 0, 42, 42}}, {{28, 0, 28, 28}, {42, 0, 42, 42}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.width);
        const auto cells = ScaleGridCells(row.width, row.height, row.columns, row.rows, row.setDpi, row.dpi);
        ASSERT_EQ(cells.size(), row.count);
        EXPECT_EQ(cells.front(), row.first);
        EXPECT_EQ(cells.back(), row.last);
    }
    EXPECT_TRUE(ScaleGridCells(10, 10, 0, 4, 144, 120).empty()) << "no columns";
    EXPECT_TRUE(ScaleGridCells(3, 10, 4, 1, 144, 120).empty()) << "cells narrower than a pixel";
}
