#pragma once
// Rectangle arithmetic of skin images: cells of image strips and grids, and
// the outline of a window taken from its mask.
#include <cstdint>
#include <vector>

struct PixelRect {
    int x;
    int y;
    int width;
    int height;
    bool operator==(const PixelRect&) const = default;
};

// Cell `row` of a vertical strip whose cells are w x h.
PixelRect StripCell(int row, int w, int h);
// Cell (column, row) of a grid whose cells are w x h.
PixelRect GridCell(int column, int row, int w, int h);
// Column `column` of an image whose columns are w wide: the full height.
PixelRect ImageColumn(int column, int w, int imageHeight);

// One horizontal run of non-white mask pixels, [x0, x1) on row y.
struct MaskRun {
    int y;
    int x0;
    int x1;
    bool operator==(const MaskRun&) const = default;
};
// The runs of a mask, row by row, left to right. `pixels` holds width x
// height values, rows from the top, each 0x00RRGGBB (higher bits ignored);
// pure white (0xFFFFFF) is outside the window, every other colour inside.
std::vector<MaskRun> MaskRuns(const std::vector<uint32_t>& pixels, int width, int height);
