#pragma once
// Window messages of the skin toolkit.
#include <windows.h>

// Scroll frame -> itself, posted after the hosted control's frame changed.
// wParam non-zero: the control has a vertical bar; lParam non-zero: that bar
// is on the left.
constexpr UINT WM_SKIN_FRAMELAYOUT = 0x0465;

// Skinned control -> its skin parent; scroll frame -> hosted control.
// wParam 1 entered, 0 left; lParam the sending control's window.
constexpr UINT WM_SKIN_HOVER = 0x0466;

// Hidden top-level skin dialog -> its child windows, after it has been
// hidden for a while: skin dialogs give back their file images.
constexpr UINT WM_SKIN_RELEASEIMAGES = 0x0467;
