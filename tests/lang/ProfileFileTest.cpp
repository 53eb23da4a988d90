#include <gtest/gtest.h>

#include "lang/ProfileFile.h"
#include "platform/Windows1252CodePage.h"
#include "support/TextFile.h"

namespace {
const ICodePage& ansi1252 = Windows1252CodePage::Instance();
}

TEST(ProfileFile, WritingKeepsTheFileForm) {
    TempDir folder;
    const auto utf16 = PutTextFile(folder / "a.ini", std::string("\xFF\xFE[\0S\0]\0\n\0k\0=\0\x2D\x4E\n\0", 18));
    ASSERT_TRUE(WriteProfileValue(utf16, u"s", u"K", u"\ud55c", ansi1252));
    EXPECT_EQ(TextFileBytes(utf16), std::string("\xFF\xFE[\0S\0]\0\n\0k\0=\0\x5C\xD5\n\0", 18));

    const auto utf8 = PutTextFile(folder / "b.ini", "\xEF\xBB\xBF[S]\r\n");
    ASSERT_TRUE(WriteProfileValue(utf8, u"S", u"k", u"\u4e2d", ansi1252));
    EXPECT_EQ(TextFileBytes(utf8), "\xEF\xBB\xBF[S]\r\nk=\xE4\xB8\xAD\r\n");

    const auto ansi = PutTextFile(folder / "c.ini", "[S]\nk=\xE9t\xE9\n");
    ASSERT_TRUE(WriteProfileValue(ansi, u"S", u"j", u"\u20ac", ansi1252));
    EXPECT_EQ(TextFileBytes(ansi), "[S]\nk=\xE9t\xE9\nj=\x80\n");
    EXPECT_EQ(ReadProfile(ansi, ansi1252).Read(u"S", u"k"), u"\u00e9t\u00e9");
}

TEST(ProfileFile, AMissingFileIsCreatedAsAnsi) {
    TempDir folder;
    const auto file = folder.Path() / "new.ini";
    EXPECT_EQ(ReadProfile(file, ansi1252).Read(u"Language", u"Default", u"English"), u"English");
    ASSERT_TRUE(WriteProfileValue(file, u"Language", u"Default", u"English", ansi1252));
    EXPECT_EQ(TextFileBytes(file), "[Language]\r\nDefault=English\r\n");
}

TEST(ProfileFile, AFailedWriteLeavesNothingBehind) {
    TempDir folder;
    const auto blocker = folder.Path() / "dir.ini";
    std::filesystem::create_directories(blocker / "inside");
    EXPECT_FALSE(WriteProfileValue(blocker, u"Language", u"Default", u"English", ansi1252));
    EXPECT_TRUE(std::filesystem::is_directory(blocker / "inside"));
    EXPECT_FALSE(WriteProfileValue(folder.Path() / "no" / "such.ini", u"Language", u"Default", u"English", ansi1252));
    EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST(ProfileFile, BackslashPathsOpen) {
    TempDir folder;
    PutTextFile(folder / "sub/x.ini", "[S]\nk=v\n");
    const std::u16string path = folder.Path().u16string() + u"\\sub\\x.ini";
    EXPECT_EQ(ReadProfile(ProfilePath(path), ansi1252).Read(u"S", u"k"), u"v");
}
