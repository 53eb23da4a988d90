#include "ui/MacroChoice.h"

#include <algorithm>
#include <limits>

const std::array<PlayOptionText, 4> kPlayOptions = {{
    {u"MACRO_PLAY_ONCE", u"Play once"},
    {u"MACRO_PLAY_MULTI_TIMES", u"Play multiple times"},
    {u"MACRO_PLAY_TOGGLE", u"Toggle continuous playback off/on using assigned key"},
    {u"MACRO_PLAY_PRESSED", u"Play while assigned key is pressed"},
}};

int MacroPosition(const std::vector<std::u16string>& names, const std::u16string& stored) {
    const auto it = std::find(names.begin(), names.end(), stored);
    return it == names.end() ? -1 : static_cast<int>(it - names.begin());
}

namespace {
bool IsSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
}  // namespace

uint32_t ParsePlayCount(std::u16string_view text, uint32_t previous) {
    std::size_t at = 0;
    while (at < text.size() && IsSpace(text[at])) ++at;
    const bool negative = at < text.size() && text[at] == u'-';
    if (at < text.size() && (text[at] == u'-' || text[at] == u'+')) ++at;
    if (at >= text.size() || !IsDigit(text[at])) return previous;
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t value = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at) value = std::min(value * 10 + (text[at] - u'0'), kLimit);
    const int64_t signedValue = negative ? -value : std::min(value, kLimit - 1);
    return static_cast<uint32_t>(static_cast<int32_t>(signedValue));
}

std::u16string PlayCountText(uint32_t count) {
    const std::string digits = std::to_string(static_cast<int32_t>(count));
    return std::u16string(digits.begin(), digits.end());
}
