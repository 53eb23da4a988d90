#pragma once
// Geometry of the drop-down of a button with a choice list. Rectangles are
// in screen pixels.
#include <cstdint>
#include <optional>

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


// What a key (virtual-key code) does to a closed drop-down of `count` rows
// whose chosen row is `chosen` (-1 for none), as to a closed combo box:
// Up and Left choose the row before, Down and Right the row after, Home the
// first and End the last, never beyond the ends. The row chosen then, or
// nullopt for a key that chooses nothing (or a list without rows).
std::optional<int> ClosedDropDownStep(uint32_t vk, int chosen, int count);
