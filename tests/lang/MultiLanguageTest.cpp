#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "lang/MultiLanguage.h"
#include "support/TextFile.h"

namespace {
// A window that counts how often it was told to set its texts.
class Window : public CMultiLanguage {
public:
    void ApplyLanguage() override { ++applied; }
    int applied = 0;
};

class MultiLanguage : public testing::Test {
protected:
    void SetUp() override {
        CMultiLanguage::languageName.clear();
        CMultiLanguage::texts.clear();
        CMultiLanguage::languageFile = Main();
    }
    std::u16string Main() const { return (folder.Path() / "lan" / "Orvik.ini").u16string(); }
    void PutMain(std::string_view text) const { PutTextFile(folder / "lan/Orvik.ini", text); }
    std::string MainBytes() const { return TextFileBytes(folder.Path() / "lan" / "Orvik.ini"); }

    TempDir folder;
    Window window;
};

// Language files under lan/ (the main one is Orvik.ini), the language to
// load and the texts it gives.
struct LoadCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> files;
    std::u16string language;
    TextTable expected;
};

const LoadCase kLoadCases[] = {
    {"AnEmptyValueCountsAsMissing",
     {{"Orvik.ini",
       "[English]\nID1=IDC_BTN_SAVE\nTEXT1=\nID2=IDC_BTN_CANCEL\nTEXT2=Drop\nID3=\nID4=IDC_BTN_MACRO\nTEXT4=M\n"}},
     u"English",
     {{u"IDC_BTN_CANCEL", u"Drop"}}},
    // main -> a (-> deep\c), b. Each file defines X; main's text wins, then
    // a's tree comes before b.
    {"TheFirstTextWinsAndIncludesFollowInTreeOrder",
     {{"Orvik.ini", "[Chinese]\nID1=X\nTEXT1=main\n[include]\ninclude1=a.ini\ninclude2=b.ini\n"},
      {"a.ini", "[Chinese]\nID1=X\nTEXT1=a\nID2=Y\nTEXT2=a\n[include]\ninclude1=deep\\c.ini\n"},
      {"deep/c.ini", "[Chinese]\nID1=Z\nTEXT1=c\nID2=W\nTEXT2=c\n"},
      {"b.ini", "[Chinese]\nID1=Y\nTEXT1=b\nID2=Z\nTEXT2=b\nID3=V\nTEXT3=b\n"}},
     u"Chinese",
     {{u"X", u"main"}, {u"Y", u"a"}, {u"Z", u"c"}, {u"W", u"c"}, {u"V", u"b"}}},
    // ANSI file, Windows-1252 here: the bytes arrive as Latin-1 letters.
    {"IncludesInSubfoldersAndMissingIncludes",
     {{"Orvik.ini", "[include]\ninclude1=missing.ini\ninclude2=ko\\Korean.ini\ninclude4=skipped.ini\n"},
      {"ko/Korean.ini", "[Korean]\nID1=IDC_BTN_SAVE\nTEXT1=\xEC\xA0\x80\xEC\x9E\xA5\n"},
      {"skipped.ini", "[Korean]\nID1=IDC_BTN_CANCEL\nTEXT1=no\n"}},
     u"Korean",
     {{u"IDC_BTN_SAVE", u"\u00ec\u00a0\u20ac\u00ec\u017e\u00a5"}}},
    {"IncludeCyclesEnd",
     {{"Orvik.ini", "[English]\nID1=A\nTEXT1=main\n[include]\ninclude1=Orvik.ini\ninclude2=..\\lan\\other.ini\n"},
      {"other.ini",
       "[English]\nID1=B\nTEXT1=other\n[include]\ninclude1=..\\lan\\.\\Orvik.ini\ninclude2=third.ini\n"},
      {"third.ini", "[English]\nID1=C\nTEXT1=third\n[include]\ninclude1=other.ini\n"}},
     u"English",
     {{u"A", u"main"}, {u"B", u"other"}, {u"C", u"third"}}},
};

class MultiLanguageLoad : public MultiLanguage, public ::testing::WithParamInterface<LoadCase> {};
}  // namespace

TEST_F(MultiLanguage, NumberingStopsAtAGapAndSkipsAMissingText) {
    PutMain("[Language]\nDefault=Korean\n[Korean]\n"
            "ID1=IDC_BTN_SAVE\nTEXT1=A\nID2=IDC_BTN_CANCEL\nID3=IDC_BTN_MACRO\nTEXT3=C\n"
            "ID5=IDC_BTN_KOREAN\nTEXT5=E\n");
    window.SetLanguage(u"");
    EXPECT_EQ(CMultiLanguage::languageName, u"Korean");
    EXPECT_EQ(CMultiLanguage::texts, (TextTable{{u"IDC_BTN_SAVE", u"A"}, {u"IDC_BTN_MACRO", u"C"}}));
    EXPECT_EQ(CMultiLanguage::GetText(u"IDC_BTN_CANCEL", u"Cancel"), u"Cancel");
    EXPECT_EQ(CMultiLanguage::GetText(u"idc_btn_save", u"Save"), u"Save");  // identifiers match exactly
    EXPECT_EQ(window.applied, 1);
}

TEST_P(MultiLanguageLoad, FindsTheTextsOfItsFiles) {
    for (const auto& [file, text] : GetParam().files) PutTextFile(folder / ("lan/" + file), text);
    CMultiLanguage::languageName = GetParam().language;
    CMultiLanguage::Load();
    EXPECT_EQ(CMultiLanguage::texts, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(MultiLanguage, MultiLanguageLoad, ::testing::ValuesIn(kLoadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MultiLanguage, ChoosingTheCurrentLanguageReloadsNothing) {
    PutMain("[Language]\nDefault=English\n[Korean]\nID1=IDC_BTN_SAVE\nTEXT1=first\n");
    window.SetLanguage(u"Korean");
    EXPECT_EQ(CMultiLanguage::GetText(u"IDC_BTN_SAVE", u"Save"), u"first");
    PutMain("[Language]\nDefault=Korean\n[Korean]\nID1=IDC_BTN_SAVE\nTEXT1=second\n");
    window.SetLanguage(u"Korean");
    EXPECT_EQ(CMultiLanguage::GetText(u"IDC_BTN_SAVE", u"Save"), u"first");
    EXPECT_EQ(window.applied, 2);
    window.SetLanguage(u"English");
    EXPECT_TRUE(CMultiLanguage::texts.empty());
    EXPECT_EQ(window.applied, 3);
}

TEST_F(MultiLanguage, SwitchingWritesTheChoiceBackAsDefault) {
    PutMain("; texts of the user interface\r\n[Language]\r\nDefault=English\r\n\r\n[Chinese]\r\nID1=X\r\nTEXT1=x\r\n");
    window.SetLanguage(u"");
    EXPECT_EQ(CMultiLanguage::languageName, u"English");
    window.SetLanguage(u"Chinese");
    EXPECT_EQ(CMultiLanguage::texts, (TextTable{{u"X", u"x"}}));
    EXPECT_EQ(MainBytes(), "; texts of the user interface\r\n[Language]\r\nDefault=Chinese\r\n\r\n[Chinese]\r\nID1=X\r\n"
                           "TEXT1=x\r\n");
}

TEST_F(MultiLanguage, AMissingDefaultStartsInEnglishAndWritesIt) {
    PutMain("[English]\nID1=X\nTEXT1=x\n");
    window.SetLanguage(u"");
    EXPECT_EQ(CMultiLanguage::languageName, u"English");
    EXPECT_EQ(CMultiLanguage::texts, (TextTable{{u"X", u"x"}}));
    EXPECT_EQ(MainBytes(), "[English]\nID1=X\nTEXT1=x\n\n[Language]\nDefault=English\n");
}

TEST_F(MultiLanguage, AnEmptyDefaultFindsNoTexts) {
    PutMain("[Language]\nDefault=\n[English]\nID1=X\nTEXT1=x\n");
    window.SetLanguage(u"");
    EXPECT_EQ(CMultiLanguage::languageName, u"");
    EXPECT_TRUE(CMultiLanguage::texts.empty());
    EXPECT_EQ(window.applied, 1);
}

TEST_F(MultiLanguage, AMissingFileShowsTheDefaults) {
    window.SetLanguage(u"");
    EXPECT_EQ(CMultiLanguage::languageName, u"English");
    EXPECT_TRUE(CMultiLanguage::texts.empty());
    EXPECT_EQ(CMultiLanguage::GetText(u"ID_EXIT_APP", u"Exit"), u"Exit");
    // No lan folder: the choice cannot be kept, and nothing else is made.
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "lan"));
    EXPECT_EQ(window.applied, 1);
}
