#include "framework/Win32UserPrompt.h"

#include "framework/MessageBox.h"
#include "platform/win32/WideText.h"

void Win32UserPrompt::Warn(std::u16string_view text) { ShowMessageBox(Wide(text), MB_OK | MB_ICONEXCLAMATION); }

bool Win32UserPrompt::AskYesNo(std::u16string_view text) {
    return ShowMessageBox(Wide(text), MB_YESNO | MB_ICONQUESTION) == IDYES;
}
