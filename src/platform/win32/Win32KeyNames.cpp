#include "platform/win32/Win32KeyNames.h"

#include <windows.h>

std::u16string Win32KeyNames::NameOfScanCode(uint16_t scanCode, bool extended) const {
    // GetKeyNameTextW takes the key message's lParam: scan code in bits 16..23,
    // extended-key flag in bit 24.
    const LONG lParam = static_cast<LONG>((scanCode & 0xFF) << 16 | (extended ? 1 << 24 : 0));
    wchar_t buffer[64] = {};
    const int n = GetKeyNameTextW(lParam, buffer, 64);
    return n > 0 ? std::u16string(reinterpret_cast<const char16_t*>(buffer), static_cast<std::size_t>(n))
                 : std::u16string();
}

uint16_t Win32KeyNames::ScanCodeOfVirtualKey(uint16_t vk) const {
    return static_cast<uint16_t>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
}
