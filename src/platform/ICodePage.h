#pragma once
// Converts between narrow text of the system's ANSI code page and UTF-16.
// The archive reads the narrow string form that older files may hold; the
// language files may be ANSI text and are written back in their own encoding.
// Implementations are stateless and callable from any thread.
#include <string>
#include <string_view>

class ICodePage {
public:
    virtual ~ICodePage() = default;
    virtual std::u16string ToUtf16(std::string_view narrow) const = 0;
    // Characters the code page cannot hold become '?'.
    virtual std::string FromUtf16(std::u16string_view wide) const = 0;
};
