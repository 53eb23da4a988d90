#include "model/MouseFunction.h"

#include "model/KeyAction.h"

namespace {
constexpr uint32_t kWheel = 0x0800;
constexpr uint32_t kWheelDelta = 120;

void SetButton(CKeyAction& a, uint32_t down, uint32_t up) {
    a.mouseInputs[0].SetMouseFlags(down);
    a.mouseInputs[1].SetMouseFlags(up);
}

void SetXButton(CKeyAction& a, uint32_t which) {
    SetButton(a, kMouseXDown, kMouseXUp);
    a.mouseInputs[0].SetMouseData(which);
    a.mouseInputs[1].SetMouseData(which);
}

// The second record is cleared: execution sends it after the wheel turn,
// and a click's release left in it would go out with every scroll.
void SetWheel(CKeyAction& a, uint32_t data) {
    a.mouseInputs[0].SetMouseData(data);
    a.mouseInputs[0].SetMouseFlags(kWheel);
    a.mouseInputs[1] = InputRecord{};
}
}  // namespace

const std::array<MouseFunctionInfo, kMouseFunctionCount> kMouseFunctions = {{
    {"ID_MOUSE_LEFT_BUTTON", u"Left Click"},
    {"ID_MOUSE_RIGHT_BUTTON", u"Right Click"},
    {"ID_MOUSE_MIDDLE_BUTTON", u"Scroll Click"},
    {"ID_MOUSE_BUTTON4", u"Button4"},
    {"ID_MOUSE_BUTTON5", u"Button5"},
    {"ID_MOUSE_SCROLL_UP", u"Scroll Up"},
    {"ID_MOUSE_SCROLL_DOWN", u"Scroll Down"},
}};

void WriteMouseFunction(CKeyAction& a, MouseFunction function) {
    switch (function) {
    case MouseFunction::LeftClick: SetButton(a, kMouseLeftDown, kMouseLeftUp); break;
    case MouseFunction::RightClick: SetButton(a, kMouseRightDown, kMouseRightUp); break;
    case MouseFunction::ScrollClick: SetButton(a, kMouseMiddleDown, kMouseMiddleUp); break;
    case MouseFunction::Button4: SetXButton(a, 1); break;
    case MouseFunction::Button5: SetXButton(a, 2); break;
    case MouseFunction::ScrollUp: SetWheel(a, kWheelDelta); break;
    case MouseFunction::ScrollDown: SetWheel(a, static_cast<uint32_t>(-static_cast<int32_t>(kWheelDelta))); break;
    }
}

std::optional<MouseFunction> ReadMouseFunction(const CKeyAction& a) {
    const InputRecord& first = a.mouseInputs[0];
    switch (first.MouseFlags()) {
    case kMouseLeftDown: return MouseFunction::LeftClick;
    case kMouseRightDown: return MouseFunction::RightClick;
    case kMouseMiddleDown: return MouseFunction::ScrollClick;
    case kMouseXDown: return first.MouseData() == 1 ? MouseFunction::Button4 : MouseFunction::Button5;
    case kWheel: return first.MouseData() == kWheelDelta ? MouseFunction::ScrollUp : MouseFunction::ScrollDown;
    default: return std::nullopt;
    }
}
