#pragma once
// Skin images for a window's DPI: the set drawn for that DPI, or one set's
// image resized once (never per paint) and shared by every holder at that
// DPI, as LoadSkinBitmap shares the files.
#include <string>

#include "skin/SkinBitmap.h"

// The cells of a sprite grid; a plain image is one cell.
struct SkinGrid {
    int columns = 1;
    int rows = 1;
};

// An image file of a set and the DPI it was drawn for.
struct DrawnImage {
    SharedBitmap image;
    int dpi;
};

// The file of the 100 % image `path` in the set for `dpi` (SkinSetDpi);
// where that file cannot be read, the 100 % file itself.
DrawnImage LoadSetImage(const std::wstring& path, int dpi);

// The image of the 100 % file `path` at `dpi`: as drawn where a set has
// that DPI, else resized from LoadSetImage. Never null; without image data
// when no file can be read. For the UI thread only.
SharedBitmap LoadSkinImage(const std::wstring& path, int dpi, SkinGrid grid = {});

// `source`, drawn for `fromDpi`, resized for `dpi` with high-quality
// filtering, cell by cell: each cell's edges are sampled from the cell
// itself, so no colour of a neighbour or transparent fringe creeps in.
// Null for a bitmap without image data.
SharedBitmap ScaledImage(Gdiplus::Bitmap& source, SkinGrid grid, int fromDpi, int dpi);
