#include "ui/DropDown.h"

#include <algorithm>

int DropDownHeight(int rowsHeight) { return std::max(rowsHeight + 2, kDropDownMinHeight); }

PixelRect DropDownPlacement(const PixelRect& button, int height, int workAreaBottom) {
    const int top = button.y + button.height + kDropDownGap;
    const int room = workAreaBottom - top;
    const int shown = std::min(height, std::max(room, kDropDownMinHeight));
    return PixelRect{button.x, top, button.width, shown};
}

std::optional<int> ClosedDropDownStep(uint32_t vk, int chosen, int count) {
    constexpr uint32_t kVkEnd = 0x23, kVkHome = 0x24, kVkLeft = 0x25, kVkUp = 0x26, kVkRight = 0x27, kVkDown = 0x28;
    if (count <= 0) return std::nullopt;
    const int last = count - 1;
    switch (vk) {
    case kVkHome:
        return 0;
    case kVkEnd:
        return last;
    case kVkUp:
    case kVkLeft:
        return std::clamp(chosen - 1, 0, last);
    case kVkDown:
    case kVkRight:
        return std::clamp(chosen + 1, 0, last);
    }
    return std::nullopt;
}
