#pragma once
// The DPI of a window and the system's own dialog rescaling, through
// functions looked up at run time: Windows before 10 1607 and Wine 8's
// user32 lack some of them, and a static import would keep the program
// from loading there.
#include <windows.h>

// The DPI the window is shown at; the screen's where the system cannot
// tell per window, 96 when nothing answers.
int WindowDpi(HWND hwnd);
// Turns off the system's rescaling of a dialog and of its controls on a
// DPI change: our windows place and size everything themselves.
void KeepDialogUnscaled(HWND dialog);
