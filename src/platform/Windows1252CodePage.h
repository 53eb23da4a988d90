#pragma once
// The portable default code page: Windows-1252, the ANSI code page of
// English-language Windows. Unassigned bytes map to the same code point,
// as Windows' own table does.
#include "platform/ICodePage.h"

class Windows1252CodePage final : public ICodePage {
public:
    std::u16string ToUtf16(std::string_view narrow) const override;
    std::string FromUtf16(std::u16string_view wide) const override;
    static const Windows1252CodePage& Instance();
};
