#include "platform/win32/Win32InputSink.h"

INPUT Win32InputSink::ToNative(const InputRecord& r) {
    INPUT in{};
    in.type = r.Type();
    if (r.Type() == kInputKeyboard) {
        in.ki.wVk = r.Vk();
        in.ki.wScan = r.Scan();
        in.ki.dwFlags = r.KeyFlags();
        in.ki.time = r.KeyTime();
        in.ki.dwExtraInfo = r.KeyExtra();
    } else if (r.Type() == kInputMouse) {
        in.mi.dx = r.Dx();
        in.mi.dy = r.Dy();
        in.mi.mouseData = r.MouseData();
        in.mi.dwFlags = r.MouseFlags();
        in.mi.time = r.MouseTime();
        in.mi.dwExtraInfo = r.MouseExtra();
    }
    return in;
}

bool Win32InputSink::Send(const InputRecord& record) {
    INPUT in = ToNative(record);
    return SendInput(1, &in, sizeof in) == 1;
}

void Win32InputSink::Tap(uint16_t vk, bool up) {
    const auto scan = static_cast<BYTE>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    keybd_event(static_cast<BYTE>(vk), scan, up ? KEYEVENTF_KEYUP : 0, 0);
}
