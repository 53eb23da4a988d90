#include <gtest/gtest.h>

#include "geometry/DpiScale.h"

// One row per DPI: a control rectangle at 96 DPI and its neighbour to the right.
TEST(DpiScale, RectanglesFollowTheDpiEdgeByEdge) {
    struct Row {
        int dpi;
        PixelRect rect, expected;
    };
    const Row rows[] = {
        {96, {72, 98, 75, 31}, {72, 98, 75, 31}},
        {120, {72, 98, 75, 31}, {90, 123, 94, 38}},  // 125 %: the top edge 122.5 rounds up
        {144, {72, 98, 75, 31}, {108, 147, 113, 47}},
        {168, {1, 1, 1, 1}, {2, 2, 2, 2}},  // 175 %: 1.75 rounds up, the edge 3.5 up
        {192, {1007, 2, 32, 23}, {2014, 4, 64, 46}},
        {288, {3, 5, 7, 1}, {9, 15, 21, 3}},  // 300 %
        {72, {3, 3, 3, 3}, {2, 2, 3, 3}},      // below 100 %: edges 2.25 and 4.5
        {0, {5, 6, 7, 8}, {5, 6, 7, 8}},      // a failed query counts as 96
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.dpi);
        EXPECT_EQ(ScaleRect(row.rect, row.dpi), row.expected);
        // The right neighbour keeps touching.
        const PixelRect next{row.rect.x + row.rect.width, row.rect.y, 10, row.rect.height};
        EXPECT_EQ(ScaleRect(next, row.dpi).x, row.expected.x + row.expected.width);
    }
    EXPECT_FLOAT_EQ(ScaleFontSize(12.0f, 144), 18.0f);
}

// A 3-row mask at 150 % has 5 rows (4.5 rounded), each sampled at its
// centre (0.33, 1.0, 1.67, 2.33, 3.0 → rows 0, 1, 1, 2, 2), edges as ScaleRect's.
TEST(DpiScale, MaskRunsScaleByNearestRow) {
    const std::vector<MaskRun> runs = {{0, 1, 3}, {1, 0, 4}, {2, 2, 3}};
    const std::vector<MaskRun> expected = {{0, 2, 5}, {1, 0, 6}, {2, 0, 6}, {3, 3, 5}, {4, 3, 5}};
    EXPECT_EQ(ScaleMaskRuns(runs, 3, 144), expected);
    EXPECT_EQ(ScaleMaskRuns(runs, 3, 96), runs);
    EXPECT_TRUE(ScaleMaskRuns({}, 3, 192).empty());
    // The same outline from the 200 % set (4 rows) at 150 %: rows 0, 2, 3.
    const std::vector<MaskRun> at200 = {{0, 2, 6}, {1, 2, 6}, {2, 0, 8}, {3, 0, 8}};
    EXPECT_EQ(ScaleMaskRuns(at200, 4, 144, 192), (std::vector<MaskRun>{{0, 2, 5}, {1, 0, 6}, {2, 0, 6}}));
}
