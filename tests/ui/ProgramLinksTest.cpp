// Programs linked to profiles: the links file as users may edit it, and the
// rules of the automatic switch.
#include <gtest/gtest.h>

#include "platform/Windows1252CodePage.h"
#include "support/TextFile.h"
#include "ui/AutoSwitch.h"
#include "ui/ProgramLinks.h"

namespace {
class ProgramLinks : public ::testing::Test {
protected:
    TempDir dir;
    CProgramLinks links{dir / "programs.ini", Windows1252CodePage::Instance()};
};

TEST_F(ProgramLinks, AHandWrittenFileIsReadWithoutRegardToCaseAndSurvivesStrayLines) {
    PutTextFile(dir / "programs.ini",
                "; my games\r\n[Other]\r\ngame.exe=Wrong\r\n[programs]\r\nGAME.EXE=Raid\r\nno equals sign\r\n"
                "=Nameless\r\ngame.exe=Second\r\n  Shooter.exe = Sniper  \r\n");
    links.Load();
    EXPECT_EQ(links.ProfileFor(u"game.exe"), u"Raid") << "the first key of a name, in its own section";
    EXPECT_EQ(links.ProfileFor(u"C:\\Games\\Game.EXE"), u"Raid") << "a full path counts by its file name";
    EXPECT_EQ(links.ProfileFor(u"shooter.exe"), u"Sniper");
    EXPECT_EQ(links.ProfileFor(u"notepad.exe"), std::nullopt);
    EXPECT_EQ(links.ProgramOf(u"Sniper"), u"Shooter.exe");
    EXPECT_EQ(links.ProgramOf(u"Nobody"), u"");
}

TEST_F(ProgramLinks, LinkRenameAndUnlinkAreWrittenAtOnceAndKeepTheRestOfTheFile) {
    PutTextFile(dir / "programs.ini", "; kept\r\n[Programs]\r\nold.exe=Raid\r\n");
    links.Load();
    ASSERT_TRUE(links.Link(u"C:\\Games\\new.exe", u"Raid"));
    EXPECT_EQ(links.ProfileFor(u"old.exe"), std::nullopt) << "a profile has one program";
    ASSERT_TRUE(links.Link(u"D:\\tools\\notepad.exe", u"Work"));
    ASSERT_TRUE(links.RenameProfile(u"Raid", u"Raid Night"));
    EXPECT_EQ(links.ProfileFor(u"NEW.exe"), u"Raid Night");

    CProgramLinks reread{dir / "programs.ini", Windows1252CodePage::Instance()};
    reread.Load();
    EXPECT_EQ(reread.ProfileFor(u"new.exe"), u"Raid Night");
    EXPECT_EQ(reread.ProfileFor(u"notepad.exe"), u"Work");
    EXPECT_EQ(TextFileBytes(dir / "programs.ini").rfind("; kept\r\n[Programs]\r\n", 0), 0u);

    ASSERT_TRUE(links.Unlink(u"Raid Night"));
    reread.Load();
    EXPECT_EQ(reread.ProfileFor(u"new.exe"), std::nullopt);
    EXPECT_EQ(reread.ProfileFor(u"notepad.exe"), u"Work");
}

// The foreground program over time, and what becomes current.
TEST(AutoSwitch, LinkedProgramsSwitchAndLeavingThemBringsTheFormerProfileBack) {
    const CAutoSwitch::LinkedProfile linked = [](const std::u16string& program) -> std::optional<std::u16string> {
        if (program == u"game.exe") return u"Raid";
        if (program == u"shooter.exe") return u"Sniper";
        return std::nullopt;
    };
    CAutoSwitch rules;
    std::u16string current = u"Work";
    const struct {
        const char* step;
        std::u16string program;
        bool own, blocked, userChangeBefore;
        std::optional<std::u16string> expected;
    } steps[] = {
        {"an unlinked program", u"explorer.exe", false, false, false, std::nullopt},
        {"a linked one", u"game.exe", false, false, false, u"Raid"},
        {"our own window", u"qorn.exe", true, false, false, std::nullopt},
        {"another linked one", u"shooter.exe", false, false, false, u"Sniper"},
        {"leaving the linked ones", u"explorer.exe", false, false, false, u"Work"},
        {"while a question is open", u"game.exe", false, true, false, std::nullopt},
        {"linked again", u"game.exe", false, false, false, u"Raid"},
        {"after the user chose a profile", u"explorer.exe", false, false, true, std::nullopt},
    };
    for (const auto& s : steps) {
        if (s.userChangeBefore) {
            rules.OnUserChange();
            current = u"Manual";
        }
        const std::optional<std::u16string> target = rules.OnForeground(s.program, s.own, s.blocked, current, linked);
        EXPECT_EQ(target, s.expected) << s.step;
        if (target) current = *target;
    }
}

TEST(AutoSwitch, TheProfileToComeBackToFollowsRenameAndDelete) {
    const CAutoSwitch::LinkedProfile linked = [](const std::u16string& program) -> std::optional<std::u16string> {
        return program == u"game.exe" ? std::optional<std::u16string>(u"Raid") : std::nullopt;
    };
    CAutoSwitch rules;
    ASSERT_EQ(rules.OnForeground(u"game.exe", false, false, u"Work", linked), u"Raid");
    rules.RenameProfile(u"Work", u"Office");
    EXPECT_EQ(rules.OnForeground(u"notepad.exe", false, false, u"Raid", linked), u"Office");
    ASSERT_EQ(rules.OnForeground(u"game.exe", false, false, u"Office", linked), u"Raid");
    rules.RemoveProfile(u"Office");
    EXPECT_EQ(rules.OnForeground(u"notepad.exe", false, false, u"Raid", linked), std::nullopt);
}
}  // namespace
