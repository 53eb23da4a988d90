#include "platform/Windows1252CodePage.h"

#include <array>

namespace {
// 0x80..0x9F; the rest of the page equals Latin-1.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
}

std::u16string Windows1252CodePage::ToUtf16(std::string_view narrow) const {
    std::u16string out;
    out.reserve(narrow.size());
    for (char c : narrow) {
        auto b = static_cast<unsigned char>(c);
        out.push_back(b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : static_cast<char16_t>(b));
    }
    return out;
}

const Windows1252CodePage& Windows1252CodePage::Instance() {
    static const Windows1252CodePage instance;
    return instance;
}

std::string Windows1252CodePage::FromUtf16(std::u16string_view wide) const {
    std::string out;
    out.reserve(wide.size());
    for (char16_t u : wide) {
        char narrow = '?';
        if (u < 0x100 && (u < 0x80 || u >= 0xA0)) {
            narrow = static_cast<char>(u);
        } else {
            for (std::size_t i = 0; i < kHigh.size(); ++i)
                if (kHigh[i] == u) narrow = static_cast<char>(0x80 + i);
        }
        out.push_back(narrow);
    }
    return out;
}
