#pragma once
// The mark of the keyboard focus on every skinned control: a 2-pixel ring
// just inside the control in a colour no skin image uses (in high contrast,
// the system's highlight colour), so it is never taken for hovering. It
// shows only while the control has the focus and its window shows focus
// cues (framework/FocusCueState.h).
#include <windows.h>
#include <gdiplus.h>

bool ShowsFocusMark(HWND control);
// Draws the ring inside `rect` when ShowsFocusMark(control).
void DrawFocusMark(Gdiplus::Graphics& graphics, HWND control, const RECT& rect);
// Draws the ring over the client area of a control that paints itself (a
// system edit), once it has painted: when ShowsFocusMark(control), or with
// `whileFocused` whenever it has the focus (a field without a caret).
void DrawFocusMarkOver(HWND control, bool whileFocused = false);
