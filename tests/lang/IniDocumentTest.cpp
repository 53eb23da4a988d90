#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lang/IniDocument.h"

namespace {
IniDocument Doc(std::u16string text) { return IniDocument(IniText{IniEncoding::Utf16Le, std::move(text)}); }

// One lookup and the value it gives.
struct Lookup {
    std::u16string section;
    std::u16string key;
    std::u16string expected;
    std::u16string fallback = u"";
};

// A document and lookups in it, named after the rule they check.
struct ReadCase {
    const char* name;
    std::u16string text;
    std::vector<Lookup> lookups;
};

const ReadCase kReadCases[] = {
    {"NamesMatchWithoutAsciiCaseAndBlanksDoNotCount",
     u"  [English]  \r\n\t ID1 \t=  Save As  \r\n[ \u00c9t\u00e9 ]\r\n\u00a0k\u3000= \u00a0x\u3000 \r\n",
     {{u"english", u"id1", u"Save As"},
      {u"  ENGLISH ", u" ID1\t", u"Save As"},
      // Other letters match only as they are; other spaces are text.
      {u"\u00c9T\u00c9", u"\u00a0k\u3000", u""},
      {u"\u00c9t\u00e9", u"\u00a0K\u3000", u"\u00a0x\u3000"},
      {u"\u00c9t\u00e9", u"k", u""}}},
    {"MissingKeysSectionsAndValuesGiveTheFallback",
     u"Orphan=before any section\n[Language]\nDefault\nEmpty=\n",
     {{u"Language", u"Default", u"English", u"English"},  // no '='
      {u"Language", u"Empty", u"", u"English"},           // present but empty
      {u"Language", u"Other", u"English", u"English  "},  // trailing spaces go
      {u"Nowhere", u"Default", u"x", u"'x'"},             // unquoted like a value
      {u"", u"Orphan", u""},
      {u"Language", u"", u""}}},
    {"CommentsAreKeysNobodyAsksFor",
     u"[S]\n; ID1=commented\n;ID2=x\nID1=real ; not a comment\n",
     {{u"S", u"ID1", u"real ; not a comment"}, {u"S", u"ID2", u""}}},
    {"OnlyTheFirstSectionAndKeyOfANameCount",
     u"[A]\nk=first\nk=second\n[B]\n[a]\nk=third\nonly=later\n",
     {{u"A", u"k", u"first"}, {u"A", u"only", u""}}},
    {"SectionHeadersRunToTheLastBracket",
     u"[a]b] trailing\nk=1\n[open\nj=2\n[ spaced\t]\nm=3\n[]\nn=4\n",
     {{u"a]b", u"k", u"1"},
      {u"a]b", u"j", u"2"},  // "[open" is a key line of the section before
      {u"spaced", u"m", u"3"},
      {u"a]b", u"n", u""}}},  // a section without name is no one's
    {"LinesEndAtEitherLineBreakCharacter",
     u"[S]\ra=1\n\x1A c=3\rd=4 \x1A\n\n\r\r[T]\r\ne=5",
     {{u"S", u"a", u"1"}, {u"S", u"c", u"3"}, {u"S", u"d", u"4"}, {u"T", u"e", u"5"}}},
    {"OnePairOfMatchingQuotesIsRemoved",
     u"[Q]\na=\"  padded  \"\nb='x'\nc=\"mixed'\nd=\"\"\ne=\"\nf=\"\"x\"\"\n",
     {{u"Q", u"a", u"  padded  "}, {u"Q", u"b", u"x"}, {u"Q", u"c", u"\"mixed'"},
      {u"Q", u"d", u""}, {u"Q", u"e", u"\""}, {u"Q", u"f", u"\"x\""}}},
};

class IniDocumentRead : public ::testing::TestWithParam<ReadCase> {};
}  // namespace

TEST_P(IniDocumentRead, GivesTheValueOfEachLookup) {
    const IniDocument doc = Doc(GetParam().text);
    for (const Lookup& l : GetParam().lookups) {
        SCOPED_TRACE(::testing::PrintToString(l.section) + " " + ::testing::PrintToString(l.key));
        EXPECT_EQ(doc.Read(l.section, l.key, l.fallback), l.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(IniDocument, IniDocumentRead, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

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
