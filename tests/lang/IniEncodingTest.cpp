#include <gtest/gtest.h>

#include "lang/IniEncoding.h"
#include "platform/Windows1252CodePage.h"

namespace {
const ICodePage& cp = Windows1252CodePage::Instance();
}

TEST(IniEncoding, TheByteOrderMarkTellsTheForm) {
    const IniText le = DecodeIni(std::string("\xFF\xFE[\0\x2D\x4E]\0", 8), cp);
    EXPECT_EQ(le.encoding, IniEncoding::Utf16Le);
    EXPECT_EQ(le.text, u"[\u4e2d]");
    const IniText be = DecodeIni(std::string("\xFE\xFF\0[\xD5\x5C", 6), cp);
    EXPECT_EQ(be.encoding, IniEncoding::Utf16Be);
    EXPECT_EQ(be.text, u"[\ud55c");
    const IniText utf8 = DecodeIni("\xEF\xBB\xBFk=\xED\x95\x9C", cp);
    EXPECT_EQ(utf8.encoding, IniEncoding::Utf8);
    EXPECT_EQ(utf8.text, u"k=\ud55c");
    // No mark: ANSI, even when the bytes happen to be valid UTF-8.
    const IniText ansi = DecodeIni("k=\xC3\xA9\x80", cp);
    EXPECT_EQ(ansi.encoding, IniEncoding::Ansi);
    EXPECT_EQ(ansi.text, u"k=\u00c3\u00a9\u20ac");
}

TEST(IniEncoding, EveryFormWritesBackByteForByte) {
    const std::string files[] = {
        std::string("\xFF\xFE[\0\x2D\x4E]\0\r\0\n\0", 12),
        std::string("\xFE\xFF\0[\xD5\x5C\0]", 8),
        "\xEF\xBB\xBF[\xE4\xB8\xAD]\r\nk=v",
        "[Fran\xE7" "ais]\nk=\x80\x81",
    };
    for (const std::string& bytes : files) EXPECT_EQ(EncodeIni(DecodeIni(bytes, cp), cp), bytes);
}

TEST(IniEncoding, AnOddTrailingByteOfUtf16IsDropped) {
    EXPECT_EQ(DecodeIni(std::string("\xFF\xFEk\0=", 5), cp).text, u"k");
}

TEST(IniEncoding, AnsiCannotHoldEveryCharacter) {
    EXPECT_EQ(EncodeIni({IniEncoding::Ansi, u"\u20ac \u4e2d"}, cp), "\x80 ?");
}
