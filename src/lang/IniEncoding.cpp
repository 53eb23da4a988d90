#include "lang/IniEncoding.h"

#include "platform/ICodePage.h"
#include "platform/Utf.h"

namespace {
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

// A trailing odd byte of a UTF-16 file is no character and is dropped.
std::u16string FromUtf16Bytes(std::string_view bytes, bool bigEndian) {
    std::u16string out(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        out[i] = static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    return out;
}

std::string ToUtf16Bytes(std::u16string_view text, bool bigEndian) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char16_t u : text) {
        const char high = static_cast<char>(u >> 8);
        const char low = static_cast<char>(u & 0xFF);
        out.push_back(bigEndian ? high : low);
        out.push_back(bigEndian ? low : high);
    }
    return out;
}
}  // namespace

IniText DecodeIni(std::string_view bytes, const ICodePage& codePage) {
    if (bytes.starts_with(kUtf8Bom)) return {IniEncoding::Utf8, FromUtf8(bytes.substr(kUtf8Bom.size()))};
    if (bytes.starts_with(kUtf16LeBom)) return {IniEncoding::Utf16Le, FromUtf16Bytes(bytes.substr(2), false)};
    if (bytes.starts_with(kUtf16BeBom)) return {IniEncoding::Utf16Be, FromUtf16Bytes(bytes.substr(2), true)};
    return {IniEncoding::Ansi, codePage.ToUtf16(bytes)};
}

std::string EncodeIni(const IniText& ini, const ICodePage& codePage) {
    switch (ini.encoding) {
    case IniEncoding::Utf8:
        return std::string(kUtf8Bom) + ToUtf8(ini.text);
    case IniEncoding::Utf16Le:
        return std::string(kUtf16LeBom) + ToUtf16Bytes(ini.text, false);
    case IniEncoding::Utf16Be:
        return std::string(kUtf16BeBom) + ToUtf16Bytes(ini.text, true);
    case IniEncoding::Ansi:
        break;
    }
    return codePage.FromUtf16(ini.text);
}
