#pragma once
// Arrow keys on the keyboard picture: the key an arrow moves the focus to
// is the nearest one in that direction that stands in line with the
// focused key (their spans across the direction overlap), the nearest by
// centre along the direction, then across it, then the earlier in the
// table. With none in line (the picture's edge) the focus stays.
#include <cstddef>
#include <span>

#include "ui/KeyButtonTable.h"

enum class GridStep { Left, Right, Up, Down };

// Index into `keys` of the key reached from keys[from].
std::size_t StepInKeyGrid(std::span<const KeyButtonPlace> keys, std::size_t from, GridStep step);
