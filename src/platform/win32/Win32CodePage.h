#pragma once
// Narrow text in the calling thread's ANSI code page.
#include "platform/ICodePage.h"

class Win32CodePage final : public ICodePage {
public:
    std::u16string ToUtf16(std::string_view narrow) const override;
    std::string FromUtf16(std::u16string_view wide) const override;
};
