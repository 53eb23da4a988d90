#include <gtest/gtest.h>

#include "lang/IniDocument.h"

namespace {
IniDocument Doc(std::u16string text) { return IniDocument(IniText{IniEncoding::Utf16Le, std::move(text)}); }
}  // namespace

TEST(IniDocument, NamesMatchWithoutAsciiCaseAndBlanksDoNotCount) {
    const IniDocument doc =
        Doc(u"  [English]  \r\n\t ID1 \t=  Save As  \r\n[ \u00c9t\u00e9 ]\r\n\u00a0k\u3000= \u00a0x\u3000 \r\n");
    EXPECT_EQ(doc.Read(u"english", u"id1"), u"Save As");
    EXPECT_EQ(doc.Read(u"  ENGLISH ", u" ID1\t"), u"Save As");
    // Other letters match only as they are; other spaces are text.
    EXPECT_EQ(doc.Read(u"\u00c9T\u00c9", u"\u00a0k\u3000"), u"");
    EXPECT_EQ(doc.Read(u"\u00c9t\u00e9", u"\u00a0K\u3000"), u"\u00a0x\u3000");
    EXPECT_EQ(doc.Read(u"\u00c9t\u00e9", u"k"), u"");
}

TEST(IniDocument, MissingKeysSectionsAndValuesGiveTheFallback) {
    const IniDocument doc = Doc(u"Orphan=before any section\n[Language]\nDefault\nEmpty=\n");
    EXPECT_EQ(doc.Read(u"Language", u"Default", u"English"), u"English");  // no '='
    EXPECT_EQ(doc.Read(u"Language", u"Empty", u"English"), u"");           // present but empty
    EXPECT_EQ(doc.Read(u"Language", u"Other", u"English  "), u"English");  // trailing spaces go
    EXPECT_EQ(doc.Read(u"Nowhere", u"Default", u"'x'"), u"x");             // unquoted like a value
    EXPECT_EQ(doc.Read(u"", u"Orphan"), u"");
    EXPECT_EQ(doc.Read(u"Language", u""), u"");
}

TEST(IniDocument, CommentsAreKeysNobodyAsksFor) {
    const IniDocument doc = Doc(u"[S]\n; ID1=commented\n;ID2=x\nID1=real ; not a comment\n");
    EXPECT_EQ(doc.Read(u"S", u"ID1"), u"real ; not a comment");
    EXPECT_EQ(doc.Read(u"S", u"ID2"), u"");
}

TEST(IniDocument, OnlyTheFirstSectionAndKeyOfANameCount) {
    const IniDocument doc = Doc(u"[A]\nk=first\nk=second\n[B]\n[a]\nk=third\nonly=later\n");
    EXPECT_EQ(doc.Read(u"A", u"k"), u"first");
    EXPECT_EQ(doc.Read(u"A", u"only"), u"");
}

TEST(IniDocument, SectionHeadersRunToTheLastBracket) {
    const IniDocument doc = Doc(u"[a]b] trailing\nk=1\n[open\nj=2\n[ spaced\t]\nm=3\n[]\nn=4\n");
    EXPECT_EQ(doc.Read(u"a]b", u"k"), u"1");
    EXPECT_EQ(doc.Read(u"a]b", u"j"), u"2");  // "[open" is a key line of the section before
    EXPECT_EQ(doc.Read(u"spaced", u"m"), u"3");
    EXPECT_EQ(doc.Read(u"a]b", u"n"), u"");   // a section without name is no one's
}

TEST(IniDocument, LinesEndAtEitherLineBreakCharacter) {
    const IniDocument doc = Doc(u"[S]\ra=1\n\x1A c=3\rd=4 \x1A\n\n\r\r[T]\r\ne=5");
    EXPECT_EQ(doc.Read(u"S", u"a"), u"1");
    EXPECT_EQ(doc.Read(u"S", u"c"), u"3");
    EXPECT_EQ(doc.Read(u"S", u"d"), u"4");
    EXPECT_EQ(doc.Read(u"T", u"e"), u"5");
}

TEST(IniDocument, OnePairOfMatchingQuotesIsRemoved) {
    const IniDocument doc = Doc(u"[Q]\na=\"  padded  \"\nb='x'\nc=\"mixed'\nd=\"\"\ne=\"\nf=\"\"x\"\"\n");
    EXPECT_EQ(doc.Read(u"Q", u"a"), u"  padded  ");
    EXPECT_EQ(doc.Read(u"Q", u"b"), u"x");
    EXPECT_EQ(doc.Read(u"Q", u"c"), u"\"mixed'");
    EXPECT_EQ(doc.Read(u"Q", u"d"), u"");
    EXPECT_EQ(doc.Read(u"Q", u"e"), u"\"");
    EXPECT_EQ(doc.Read(u"Q", u"f"), u"\"x\"");
}

TEST(IniDocument, ValuesAreCutToTheBuffer) {
    for (std::size_t n : {258u, 259u, 260u, 300u}) {
        const std::u16string text(n, u'\u4e2d');
        const IniDocument doc = Doc(u"[L]\nplain=" + text + u"\nquoted=\"" + text + u"\"\n");
        EXPECT_EQ(doc.Read(u"L", u"plain"), text.substr(0, 259)) << n;
        // Opening quote dropped, then the buffer's 259 units; the closing
        // quote goes only when it fitted, and takes the last unit along when
        // it fitted exactly.
        const std::size_t quoted = n <= 258 ? n : n == 259 ? 258 : 259;
        EXPECT_EQ(doc.Read(u"L", u"quoted"), text.substr(0, quoted)) << n;
    }
}

TEST(IniDocument, ChangingAValueKeepsEveryOtherByte) {
    const std::u16string before = u"; translators: keep this\r\n\r\n[language]  \r\n  default =  Chinese   \r\n\r\n[x]\r\n";
    IniDocument doc = Doc(before);
    EXPECT_TRUE(doc.Write(u"Language", u"Default", u"  Korean"));
    EXPECT_EQ(doc.Contents().text,
              u"; translators: keep this\r\n\r\n[language]  \r\n  default =  Korean   \r\n\r\n[x]\r\n");
    EXPECT_EQ(doc.Contents().encoding, IniEncoding::Utf16Le);
    EXPECT_FALSE(doc.Write(u"LANGUAGE", u"DEFAULT", u"Korean"));  // unchanged: nothing to write
}

TEST(IniDocument, AMissingKeyJoinsTheEndOfItsSection) {
    IniDocument doc = Doc(u"[Language]\nOther=1\n\n\n[English]\nID1=x");
    EXPECT_TRUE(doc.Write(u"Language", u"Default", u"English"));
    EXPECT_EQ(doc.Contents().text, u"[Language]\nOther=1\nDefault=English\n\n\n[English]\nID1=x");
    EXPECT_TRUE(doc.Write(u"English", u"TEXT1", u"y"));
    EXPECT_EQ(doc.Contents().text, u"[Language]\nOther=1\nDefault=English\n\n\n[English]\nID1=x\nTEXT1=y\n");
    EXPECT_TRUE(doc.Write(u"English", u"ID1", u""));
    EXPECT_EQ(doc.Read(u"English", u"ID1", u"fallback"), u"");
}

TEST(IniDocument, AMissingSectionJoinsTheEndOfTheFile) {
    IniDocument doc = Doc(u"[English]\r\nID1=x");
    EXPECT_TRUE(doc.Write(u" Language ", u"Default", u"English"));
    EXPECT_EQ(doc.Contents().text, u"[English]\r\nID1=x\r\n\r\n[Language]\r\nDefault=English\r\n");
    IniDocument empty;
    EXPECT_TRUE(empty.Write(u"Language", u"Default", u"Korean"));
    EXPECT_EQ(empty.Contents().text, u"[Language]\r\nDefault=Korean\r\n");
    EXPECT_EQ(empty.Contents().encoding, IniEncoding::Ansi);
}

TEST(IniDocument, AKeyWithoutValueGetsOne) {
    IniDocument doc = Doc(u"[Language]\n Default \n");
    EXPECT_TRUE(doc.Write(u"Language", u"default", u"Chinese"));
    EXPECT_EQ(doc.Contents().text, u"[Language]\n Default=Chinese \n");
    EXPECT_EQ(doc.Read(u"Language", u"Default"), u"Chinese");
}
