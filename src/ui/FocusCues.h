#pragma once
// When the skinned controls show where the keyboard focus is. Hidden until
// the keyboard moves the focus (Tab, the arrows, Home, End, Page Up, Page
// Down); hidden again by a mouse press. Enter presses only a control whose
// focus shows, so after a mouse click a key assigned Enter that lands in
// the window in front presses nothing.
#include <cstdint>

enum class FocusCues { Keep, Show, Hide };

// What a queued message (its message number and, for keys, virtual-key
// code) does to the focus cues of its top-level window.
FocusCues FocusCuesAfter(uint32_t message, uint32_t vk);
