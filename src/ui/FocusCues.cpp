#include "ui/FocusCues.h"

namespace {
constexpr uint32_t kKeyDown = 0x0100, kSysKeyDown = 0x0104;
constexpr uint32_t kNcLeftDown = 0x00A1, kNcRightDown = 0x00A4;
constexpr uint32_t kLeftDown = 0x0201, kRightDown = 0x0204, kMiddleDown = 0x0207;
constexpr uint32_t kVkTab = 0x09, kVkPageUp = 0x21, kVkDown = 0x28;
}  // namespace

FocusCues FocusCuesAfter(uint32_t message, uint32_t vk) {
    switch (message) {
    case kKeyDown:
    case kSysKeyDown:
        // Page Up, Page Down, End, Home, Left, Up, Right, Down are one run.
        return vk == kVkTab || (vk >= kVkPageUp && vk <= kVkDown) ? FocusCues::Show : FocusCues::Keep;
    case kLeftDown:
    case kRightDown:
    case kMiddleDown:
    case kNcLeftDown:
    case kNcRightDown:
        return FocusCues::Hide;
    }
    return FocusCues::Keep;
}
