#pragma once
// Conversions between GDI+ skin bitmaps and GDI objects.
#include <windows.h>
#include <gdiplus.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/win32/UniqueResource.h"
#include "geometry/SkinGeometry.h"

// A GDI bitmap of the image over opaque black; empty when the image has no
// data.
UniqueGdiObject<HBITMAP> ToGdiBitmap(Gdiplus::Bitmap& image);
// Pattern brush of the image; empty when the image has no data.
UniqueGdiObject<HBRUSH> PatternBrushOf(Gdiplus::Bitmap& image);
// The pixels of a GDI bitmap, rows from the top, each 0x00RRGGBB.
std::vector<uint32_t> PixelsOf(HBITMAP bitmap, int width, int height);
// The union of one-pixel-high rectangles, one per run.
UniqueGdiObject<HRGN> RegionOfRuns(const std::vector<MaskRun>& runs);
