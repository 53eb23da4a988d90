#pragma once
// One recorded keystroke: a keyboard input record whose time field holds the
// delay in milliseconds that playback waits after sending it. Stored in
// files byte for byte and sent unchanged.
#include <cstdint>

#include "model/InputRecord.h"

class MacroEvent : public InputRecord {
public:
    MacroEvent() = default;
    // A keyboard event (type 1); `flags` as in KEYBDINPUT (extended, key up).
    static MacroEvent Key(uint16_t vk, uint16_t scan, uint32_t flags, uint32_t delayMs) {
        MacroEvent e;
        e.SetType(kInputKeyboard);
        e.SetVk(vk);
        e.SetScan(scan);
        e.SetKeyFlags(flags);
        e.SetDelay(delayMs);
        return e;
    }

    uint32_t Delay() const { return KeyTime(); }
    void SetDelay(uint32_t ms) { SetKeyTime(ms); }
    bool IsRelease() const { return (KeyFlags() & kKeyEventKeyUp) != 0; }
};
static_assert(sizeof(MacroEvent) == InputRecord::kSize);
