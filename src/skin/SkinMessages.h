#pragma once
// Window messages of the skin toolkit.
#include <windows.h>

// Skinned control -> its skin parent; scroll frame -> hosted control.
// wParam 1 entered, 0 left; lParam the sending control's window.
constexpr UINT WM_SKIN_HOVER = 0x0466;
