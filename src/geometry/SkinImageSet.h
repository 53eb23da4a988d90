#pragma once
// The skin is drawn at three scales: 100 % (".\res\<name>.bmp"), 150 % and
// 200 % (".\res\150\<name>.png", ".\res\200\<name>.png"). A window draws
// from the set of its DPI, or resizes one set's image once for its DPI.
#include <string>
#include <string_view>
#include <vector>

#include "geometry/SkinGeometry.h"

// The DPIs that have a set of their own, smallest first.
inline constexpr int kSkinSetDpis[] = {96, 144, 192};

// The set a window at `dpi` draws from: the set of that DPI, else the next
// larger one, scaled down. A smaller set is never stretched up: only above
// the largest set is its image enlarged. A failed query (0) counts as 96.
int SkinSetDpi(int dpi);

// The file of the 100 % image `path` (".\res\<name>.bmp") in the set of
// `setDpi`: "<folder>\<percent>\<name>.png"; `path` itself at 96.
std::u16string SkinSetPath(std::u16string_view path, int setDpi);

// Where a cell of a sprite grid is in the set's image and where it goes in
// the image for the window's DPI.
struct CellCopy {
    PixelRect source;
    PixelRect dest;
    bool operator==(const CellCopy&) const = default;
};

// The cells of an image `width` x `height` drawn for `setDpi`, made of
// `columns` x `rows` equal cells, resized for `dpi`: each cell alone, so no
// cell takes colour from its neighbour, and all to one size, so that a
// control still finds its cells by dividing the image. A whole image is a
// grid of one cell. Pixels beyond the last whole cell are dropped.
std::vector<CellCopy> ScaleGridCells(int width, int height, int columns, int rows, int setDpi, int dpi);
