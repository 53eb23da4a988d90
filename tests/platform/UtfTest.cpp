#include <gtest/gtest.h>

#include "platform/Utf.h"

TEST(Utf, RoundTripsEveryPlane) {
    const std::u16string text = u"Key \u00e9 \u4e2d\u6587 \ud55c\uad6d\uc5b4 \U0001F3AE";
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
    EXPECT_EQ(ToUtf8(u"\u4e2d"), "\xE4\xB8\xAD");
}

TEST(Utf, IllFormedInputBecomesReplacementCharacters) {
    EXPECT_EQ(ToUtf8(u"a\xD800" u"b"), "a\xEF\xBF\xBD" "b");            // lone high surrogate
    EXPECT_EQ(FromUtf8("a\xC3"), u"a\uFFFD");                            // cut short at the end
    EXPECT_EQ(FromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");                    // overlong slash
    EXPECT_EQ(FromUtf8("\xED\xA0\x80x"), u"\uFFFDx");                    // encoded surrogate
    EXPECT_EQ(FromUtf8("\xE4\xB8" "z"), u"\uFFFDz");                     // continuation missing
    EXPECT_EQ(FromUtf8("\xF4\x90\x80\x80"), u"\uFFFD");                  // above U+10FFFF
}
