#include "win/support/Input.h"

#include <chrono>

#include "win/support/MessagePump.h"

POINT CentreOf(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void MoveCursor(POINT at) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof(in));
    SetCursorPos(at.x, at.y);
}

void Park() {
    MoveCursor(POINT{900, 700});
    PumpFor(std::chrono::milliseconds(60));
}

void MouseButton(bool down) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &in, sizeof(in));
}

void Click(POINT at) {
    MoveCursor(at);
    MouseButton(true);
    MouseButton(false);
}

void Key(WORD vk, bool down) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &in, sizeof(in));
}

void TapKey(WORD vk) {
    Key(vk, true);
    Key(vk, false);
}
