#pragma once
// Centres of the main window's controls that several flows click, relative
// to the window at 100 % (pages stand at 280,160 inside it).
#include <windows.h>

constexpr POINT kBacklightButton{376, 113};
constexpr POINT kBacklightSwitch{280 + 188, 160 + 73};
constexpr POINT kProfileNameEdit{154, 335};
constexpr POINT kProfileList{156, 210};

// The keyboard page's key drawn at x,y of its picture: its centre.
constexpr POINT KeyAt(int x, int y) { return {282 + x + 15, 160 + y + 15}; }
constexpr POINT kKeyS = KeyAt(159, 153);

// The key assignment dialog (400 x 300, relative to it): Save.
constexpr POINT kSave{233, 268};
constexpr int kSaveId = 1071;
// The key hint's kind line, by which the hint is found.
constexpr int kHintKindId = 1040;
