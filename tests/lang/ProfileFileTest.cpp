#include <gtest/gtest.h>

#include "lang/ProfileFile.h"
#include "platform/Windows1252CodePage.h"
#include "support/ScratchFolder.h"

namespace {
const ICodePage& cp = Windows1252CodePage::Instance();
}

TEST(ProfileFile, WritingKeepsTheFileForm) {
    ScratchFolder folder;
    const auto utf16 = folder.Put("a.ini", std::string("\xFF\xFE[\0S\0]\0\n\0k\0=\0\x2D\x4E\n\0", 18));
    ASSERT_TRUE(WriteProfileString(utf16, u"s", u"K", u"\ud55c", cp));
    EXPECT_EQ(ScratchFolder::Get(utf16), std::string("\xFF\xFE[\0S\0]\0\n\0k\0=\0\x5C\xD5\n\0", 18));

    const auto utf8 = folder.Put("b.ini", "\xEF\xBB\xBF[S]\r\n");
    ASSERT_TRUE(WriteProfileString(utf8, u"S", u"k", u"\u4e2d", cp));
    EXPECT_EQ(ScratchFolder::Get(utf8), "\xEF\xBB\xBF[S]\r\nk=\xE4\xB8\xAD\r\n");

    const auto ansi = folder.Put("c.ini", "[S]\nk=\xE9t\xE9\n");
    ASSERT_TRUE(WriteProfileString(ansi, u"S", u"j", u"\u20ac", cp));
    EXPECT_EQ(ScratchFolder::Get(ansi), "[S]\nk=\xE9t\xE9\nj=\x80\n");
    EXPECT_EQ(ReadProfile(ansi, cp).Read(u"S", u"k"), u"\u00e9t\u00e9");
}

TEST(ProfileFile, AMissingFileIsCreatedAsAnsi) {
    ScratchFolder folder;
    const auto file = folder.Path() / "new.ini";
    EXPECT_EQ(ReadProfile(file, cp).Read(u"Language", u"Default", u"English"), u"English");
    ASSERT_TRUE(WriteProfileString(file, u"Language", u"Default", u"English", cp));
    EXPECT_EQ(ScratchFolder::Get(file), "[Language]\r\nDefault=English\r\n");
}

TEST(ProfileFile, AFailedWriteLeavesNothingBehind) {
    ScratchFolder folder;
    const auto blocker = folder.Path() / "dir.ini";
    std::filesystem::create_directories(blocker / "inside");
    EXPECT_FALSE(WriteProfileString(blocker, u"Language", u"Default", u"English", cp));
    EXPECT_TRUE(std::filesystem::is_directory(blocker / "inside"));
    EXPECT_FALSE(WriteProfileString(folder.Path() / "no" / "such.ini", u"Language", u"Default", u"English", cp));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(ProfileFile, BackslashPathsOpen) {
    ScratchFolder folder;
    folder.Put("sub/x.ini", "[S]\nk=v\n");
    const std::u16string path = folder.Path().u16string() + u"\\sub\\x.ini";
    EXPECT_EQ(ReadProfile(ProfilePath(path), cp).Read(u"S", u"k"), u"v");
}
