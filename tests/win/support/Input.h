#pragma once
// Real input for the tests: the cursor and the mouse buttons and keys go
// through the system's input queue, as a user's would.
#include <windows.h>

// Centre of a window in screen coordinates.
POINT CentreOf(HWND hwnd);
// Moves the cursor to a screen point.
void MoveCursor(POINT at);
// Moves the cursor away from every test control and lets hovering end.
void Park();
void MouseButton(bool down);
void Click(POINT at);
void Key(WORD vk, bool down);
void TapKey(WORD vk);
