#include "framework/Win32UserPrompt.h"

#include "framework/MessageBox.h"

namespace {
std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }
}  // namespace

void Win32UserPrompt::Warn(std::u16string_view text) { ShowMessageBox(Wide(text), MB_OK | MB_ICONEXCLAMATION); }

bool Win32UserPrompt::AskYesNo(std::u16string_view text) {
    return ShowMessageBox(Wide(text), MB_YESNO | MB_ICONQUESTION) == IDYES;
}
