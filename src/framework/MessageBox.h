#pragma once
// Message boxes of the application: owned by the active window of the
// calling thread and captioned with the program's name, as the framework's
// standard messages are.
#include <windows.h>

#include <string>

// Shows `text` with MB_* `type`; returns the button pressed (IDOK, IDYES...).
int ShowMessageBox(const std::wstring& text, UINT type);
