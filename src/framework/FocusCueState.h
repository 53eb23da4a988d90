#pragma once
// The focus cues of a top-level window, kept by the system's UI state
// (WM_CHANGEUISTATE, WM_UPDATEUISTATE to every child, WM_QUERYUISTATE).
#include <windows.h>

bool FocusCuesShown(HWND window);
// Changes the cues of `topLevel` and its children; nothing when they are
// already so, which spares every control a repaint.
void ShowFocusCues(HWND topLevel, bool shown);
// A queued message shows or hides the cues of its top-level window
// (FocusCuesAfter).
void FollowFocusCues(const MSG& msg);
