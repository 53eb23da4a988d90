#pragma once
// Skin images resized for a window's DPI, once when the DPI is set, never
// per paint.
#include "skin/SkinBitmap.h"

// The image at `dpi` with high-quality filtering; edges are sampled from
// the image itself, so no transparent fringe creeps in. Null for a bitmap
// without image data.
SharedBitmap ScaledImage(Gdiplus::Bitmap& source, int dpi);
