#pragma once
// Key names and scan codes of the current keyboard layout.
// Win32: GetKeyNameTextW and MapVirtualKeyW. Called on the user-interface
// thread only.
#include <cstdint>
#include <string>

class IKeyNames {
public:
    virtual ~IKeyNames() = default;
    // The layout's name of the key with this scan code; empty if it has none.
    virtual std::u16string NameOfScanCode(uint16_t scanCode, bool extended) const = 0;
    // The scan code of a virtual key (map type 0); 0 if it has none.
    virtual uint16_t ScanCodeOfVirtualKey(uint16_t vk) const = 0;
};
