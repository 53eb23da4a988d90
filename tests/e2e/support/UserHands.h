#pragma once
// The user's hands in end-to-end runs: xdotool (a Linux program, which Wine
// starts like any other) moves the X pointer, clicks and types on the X
// server Wine draws on, so the input reaches the program through Wine's X11
// driver as a person's would. Under Xvfb there is no window manager, so
// screen coordinates of Windows and of X are the same.
#include <windows.h>

#include <string>

// Clicks at a point given relative to the window's top-left corner (the
// skin's control rectangles are in those coordinates). `clicks` 2 is a
// double click. Each call returns once xdotool is done; false when it could
// not run or did not finish.
bool ClickAt(HWND window, int x, int y, int clicks = 1);
// Moves the pointer there, relative to the window's top-left corner.
bool MoveTo(HWND window, int x, int y);
// Moves the pointer one pixel and back: a program that has not shown its
// last change yet under Wine draws it on the next input it gets.
bool NudgePointer();
// Presses keys as xdotool names them, separated by spaces ("Return",
// "End BackSpace", "alt+F4").
bool PressKeys(const std::string& keys);
// Types text into whatever has the focus.
bool TypeText(const std::string& text);
// Holds a key down for `ms` milliseconds, then lets it go.
bool HoldKey(const std::string& key, int ms);
