#pragma once
// Geometry of the drop-down of a button with a choice list. Rectangles are
// in screen pixels.
#include "geometry/SkinGeometry.h"

// Height that shows every row: the rows' heights + 2 for the border, but
// never less than 80 pixels.
int DropDownHeight(int rowsHeight);
inline constexpr int kDropDownMinHeight = 80;
// Gap between the button's bottom edge and the drop-down.
inline constexpr int kDropDownGap = 2;

// Where the drop-down opens: at the button's left edge, kDropDownGap below
// it, as wide as the button and `height` tall; cut at the bottom of the
// work area (the list scrolls), but kept at least kDropDownMinHeight tall
// or `height` when that is less.
PixelRect DropDownPlacement(const PixelRect& button, int height, int workAreaBottom);

