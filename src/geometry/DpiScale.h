#pragma once
// Rules by which what is laid out at 96 DPI (100 %) follows a window's DPI.
// Positions keep their 96-DPI values in the tables; these functions give the
// pixels at another DPI. A DPI of zero or below (a failed query) counts as 96.
#include <vector>

#include "geometry/SkinGeometry.h"

inline constexpr int kBaseDpi = 96;

// length x dpi / 96, rounded to the nearest pixel (halves away from zero).
int ScaleLength(int length, int dpi);
// The edges scale, not the size: rectangles that touch at 96 DPI still
// touch, and none overlaps its neighbour by a rounding pixel.
PixelRect ScaleRect(const PixelRect& r, int dpi);
float ScaleFontSize(float pixels, int dpi);
// A length in an image drawn for `fromDpi`, at `dpi`: the length it stands
// for at 96 DPI (recovered exactly, since the image was drawn at its
// ScaleLength), scaled. Image and window sizes then agree at every DPI.
int ScaleLengthFrom(int length, int fromDpi, int dpi);

// The window outline at `dpi` from the runs of a mask `height` rows high
// drawn for `fromDpi`: nearest neighbour, so the outline stays exactly
// two-valued (no grey fringe), and edges of a 96-DPI mask land where
// ScaleRect puts the controls' edges.
std::vector<MaskRun> ScaleMaskRuns(const std::vector<MaskRun>& runs, int height, int dpi, int fromDpi = kBaseDpi);
