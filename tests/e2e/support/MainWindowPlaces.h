#pragma once
// Centres of the main window's controls that several flows click, relative
// to the window at 100 % (pages stand at 280,160 inside it).
#include <windows.h>

constexpr POINT kBacklightButton{376, 113};
constexpr POINT kBacklightSwitch{280 + 188, 160 + 73};
constexpr POINT kProfileNameEdit{154, 335};
