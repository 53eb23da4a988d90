#pragma once
// The keys of the keyboard page: control id, key code and rectangle in the
// page's client area of every key button. The two Windows keys have no
// button; their places are part of the picture.
#include <array>
#include <cstdint>
#include <optional>

struct KeyButtonPlace {
    uint16_t id;
    uint8_t keyCode;
    int16_t x, y, width, height;
};

constexpr std::size_t kKeyButtonCount = 107;
extern const std::array<KeyButtonPlace, kKeyButtonCount> kKeyButtons;

// Position in kKeyButtons of the key with control id `id`.
std::optional<std::size_t> KeyButtonIndex(int id);
