#include "ui/DropDown.h"

#include <algorithm>

int DropDownHeight(int rowsHeight) { return std::max(rowsHeight + 2, kDropDownMinHeight); }

PixelRect DropDownPlacement(const PixelRect& button, int height, int workAreaBottom) {
    const int top = button.y + button.height + kDropDownGap;
    const int room = workAreaBottom - top;
    const int shown = std::min(height, std::max(room, kDropDownMinHeight));
    return PixelRect{button.x, top, button.width, shown};
}
