#pragma once
// Converts narrow text of the system's ANSI code page to UTF-16. The archive
// uses it for the narrow string form that older files may hold.
// Implementations are stateless and callable from any thread.
#include <string>
#include <string_view>

class ICodePage {
public:
    virtual ~ICodePage() = default;
    virtual std::u16string ToUtf16(std::string_view narrow) const = 0;
};
