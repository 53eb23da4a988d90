#include "platform/Utf.h"

#include <algorithm>
#include <cstdint>

namespace {
constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | c >> 6));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | c >> 12));
        out.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | c >> 18));
        out.push_back(static_cast<char>(0x80 | (c >> 12 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

void AppendUtf16(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out.push_back(static_cast<char16_t>(c));
    } else {
        c -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    }
}

bool IsHigh(char16_t u) { return u >= 0xD800 && u < 0xDC00; }
bool IsLow(char16_t u) { return u >= 0xDC00 && u < 0xE000; }
}  // namespace

std::string ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t u = text[i];
        if (IsHigh(u) && i + 1 < text.size() && IsLow(text[i + 1])) {
            AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else {
            AppendUtf8(out, IsHigh(u) || IsLow(u) ? kReplacement : u);
        }
    }
    return out;
}

std::u16string FromUtf8(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<uint8_t>(text[i]);
        std::size_t extra = b >= 0xF0 && b < 0xF5 ? 3 : b >= 0xE0 ? 2 : b >= 0xC2 ? 1 : 0;
        if (b < 0x80) {
            out.push_back(b);
            ++i;
            continue;
        }
        if (extra == 0 || b >= 0xF5) {
            out.push_back(static_cast<char16_t>(kReplacement));
            ++i;
            continue;
        }
        char32_t c = b & (0x3F >> extra);
        std::size_t n = 1;
        for (; n <= extra && i + n < text.size(); ++n) {
            const auto cont = static_cast<uint8_t>(text[i + n]);
            if ((cont & 0xC0) != 0x80) break;
            c = c << 6 | (cont & 0x3F);
        }
        const bool complete = n == extra + 1;
        const bool overlong = (extra == 2 && c < 0x800) || (extra == 3 && c < 0x10000);
        const bool surrogate = c >= 0xD800 && c < 0xE000;
        if (!complete || overlong || surrogate || c > 0x10FFFF)
            out.push_back(static_cast<char16_t>(kReplacement));
        else
            AppendUtf16(out, c);
        i += complete ? n : std::max<std::size_t>(n, 1);
    }
    return out;
}
