#pragma once
// The edit window of a skinned edit: the control's id names its scroll
// frame, and the edit sits inside the frame's clipping window.
#include <windows.h>

// The first edit among the descendants of `window` (or `window` itself when
// it is an edit); null when there is none.
HWND EditIn(HWND window);
