#pragma once
// UTF-16 text between the portable core (std::u16string) and the Win32
// calls (std::wstring): wchar_t is 16 bits on Windows, so the units carry
// over one to one.
#include <string>
#include <string_view>

inline std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }
inline std::u16string U16(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }
