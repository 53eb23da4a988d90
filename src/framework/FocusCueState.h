#pragma once
// The focus cues of a top-level dialog of ours, which its skinned controls
// follow. The system's UI state (WM_CHANGEUISTATE) is told as well, for the
// parts the system draws; it cannot be read back, as Wine always answers
// WM_QUERYUISTATE with 0.
#include <windows.h>

// Those of the top-level dialog `window` is in; false outside our dialogs.
bool FocusCuesShown(HWND window);
// Changes those of the top-level dialog `window` is in; the focused
// control repaints when they change.
void ShowFocusCues(HWND window, bool shown);
// A queued message shows or hides the cues of its top-level window
// (FocusCuesAfter).
void FollowFocusCues(const MSG& msg);
