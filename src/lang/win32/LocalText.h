#pragma once
// A text of the current language as the Win32 calls take it.
#include <string>
#include <string_view>

#include "lang/MultiLanguage.h"

inline std::wstring LocalText(std::u16string_view id, std::u16string_view englishDefault) {
    const std::u16string text = CMultiLanguage::GetText(id, englishDefault);
    return std::wstring(text.begin(), text.end());
}
