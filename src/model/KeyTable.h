#pragma once
// The keyboard's 109 keys: display name, slot (key code), key type and the
// code the keyboard reports, plus the default settings of a profile.
// A profile holds 255 slots indexed by key code; device code 0 marks an
// empty slot.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

class CKeyAction;

struct KeyTableEntry {
    std::u16string_view name;
    uint8_t keyCode;      // slot: virtual-key code, 0xC1..0xC6 for M1..M5 and keypad Enter
    uint32_t keyType;     // 0 normal, 1 modifier
    uint32_t deviceCode;  // HID usage, vendor code, or modifier bit
};

constexpr std::size_t kSlotCount = 255;
constexpr std::size_t kKeyCount = 109;
extern const std::array<KeyTableEntry, kKeyCount> kKeyTable;

// The profile settings a new profile starts with.
struct DefaultProfileSettings {
    static constexpr uint32_t accelerator = 0;
    static constexpr uint32_t reservedFlag = 1;
    static constexpr uint32_t backlightOn = 1;
    static constexpr uint32_t backlightEffect = 0;
    static constexpr uint32_t brightnessLevel = 10;
    static constexpr uint32_t gamingMode = 1;
    static constexpr uint32_t disableWinKey = 1;
    static constexpr uint32_t disableAltF4 = 0;
    static constexpr uint32_t disableAltTab = 0;
};

// Gives each of the 109 keys a fresh record in its slot; the other 146
// slots are left as they are. `slots` must hold exactly kSlotCount records.
void ResetKeysToDefaults(std::span<CKeyAction> slots);
