#include "ui/ProfileStrip.h"

#include <gtest/gtest.h>

#include "model/DocProfileSet.h"
#include "support/DocumentFixture.h"

namespace {
using Names = std::vector<std::u16string>;

// A strip over a set of default profiles, recording what the window's pages
// and the dispatcher were asked to do.
class ProfileStrip : public DocumentFixture {
protected:
    void Start(const Names& names, const std::u16string& current) {
        for (const std::u16string& name : names) set.AddDefaultProfile(name);
        set.currentName = current;
        strip.Fill();
    }
    std::u16string SelectedText() const {
        return strip.Selected() < 0 ? u"" : strip.Items()[static_cast<std::size_t>(strip.Selected())];
    }
    // The current profile after a profile change: selected, current, applied.
    void ExpectCurrent(const std::u16string& name) {
        EXPECT_EQ(SelectedText(), name);
        EXPECT_EQ(set.currentName, name);
        ASSERT_FALSE(entered.empty());
        EXPECT_EQ(entered.back(), name);
    }

    CDocProfileSet set;
    Names entered, stored, ended;
    struct Steps final : IProfilePages, IProfileKeyboard, IProfileNames {
        explicit Steps(ProfileStrip& t) : test(t) {}
        void StoreInto(CDocProfile& p) override { test.stored.push_back(p.name); }
        void ShowProfile(CDocProfile& p, ProfileReason) override { test.entered.push_back(p.name); }
        void EndActivations(std::span<CKeyAction> keys) override {
            for (const auto& [name, p] : test.set.profiles)
                if (p.keys.data() == keys.data()) test.ended.push_back(name);
        }
        void Apply(const CDocProfile&, ProfileReason) override {}
        void Renamed(const std::u16string&, const std::u16string&) override {}
        void Removed(const std::u16string&) override {}
        ProfileStrip& test;
    } steps{*this};
    CProfileStrip strip{set, prompt, ProfileSteps{steps, steps, steps}};
};

TEST_F(ProfileStrip, FillListsTheSetAndEntersTheCurrentProfileByExactName) {
    Start({u"Game 2", u"Game", u"Work"}, u"Game");
    EXPECT_EQ(strip.Items(), (Names{u"Game", u"Game 2", u"Work"}));
    ExpectCurrent(u"Game");
    EXPECT_TRUE(strip.CanCopy());
    EXPECT_TRUE(strip.CanDelete());

    // Picking the item the button shows is no change at all.
    strip.Choose(0);
    EXPECT_EQ(entered.size(), 1u);
    strip.Choose(2);
    ExpectCurrent(u"Work");
    strip.Select(u"Game 2", ProfileReason::FnDigit);
    ExpectCurrent(u"Game 2");
    strip.Select(u"Nobody", ProfileReason::FnDigit);
    ExpectCurrent(u"Game 2");
    EXPECT_TRUE(prompt.questions.empty());
}

TEST_F(ProfileStrip, LeavingAModifiedProfileAsksAndNoRestoresIt) {
    Start({u"Profile1", u"Profile2"}, u"Profile1");
    strip.AcceleratorChanged(3);
    EXPECT_TRUE(set.Current()->IsModified());
    EXPECT_EQ(strip.Accelerator(), 3u);

    prompt.answers = {false};
    strip.Choose(1);
    EXPECT_EQ(prompt.questions, Names{u"Are you sure to save 'Profile1'?"});
    EXPECT_EQ(set.Find(u"Profile1")->accelerator, 0u) << "No restores the working copy";
    EXPECT_FALSE(set.Find(u"Profile1")->IsModified());
    EXPECT_EQ(ended, Names{u"Profile1"}) << "its actions end before its keys are overwritten";
    EXPECT_TRUE(stored.empty());
    ExpectCurrent(u"Profile2");

    strip.AcceleratorChanged(5);
    prompt.answers = {true};
    strip.Choose(0);
    EXPECT_EQ(set.Find(u"Profile2")->accelerator, 5u) << "Yes keeps the change";
    EXPECT_EQ(stored, Names{u"Profile2"});
    EXPECT_FALSE(set.Find(u"Profile2")->IsModified());

    // Choosing the accelerator it already had is no change.
    strip.AcceleratorChanged(0);
    EXPECT_FALSE(set.Current()->IsModified());
}

TEST_F(ProfileStrip, EditingTheNameMarksTheProfileButDoesNotRenameIt) {
    Start({u"Profile1"}, u"Profile1");
    strip.NameEdited(u"Profile1");
    EXPECT_FALSE(set.Current()->IsModified());
    strip.NameEdited(u"Racing");
    EXPECT_TRUE(set.Current()->IsModified());
    EXPECT_EQ(strip.Items(), Names{u"Profile1"});
    EXPECT_NE(set.Find(u"Profile1"), nullptr);
}

TEST_F(ProfileStrip, RenameKeepsSettingsReordersTheListAndSurvivesANoToTheSaveQuestion) {
    Start({u"Alpha", u"Beta", u"Zulu"}, u"Alpha");
    strip.AcceleratorChanged(4);
    set.Current()->brightnessLevel = 3;
    const CKeyAction* keys = set.Current()->keys.data();
    strip.NameEdited(u"Omega");

    ASSERT_TRUE(strip.Rename(u"Omega"));
    EXPECT_EQ(strip.Items(), (Names{u"Beta", u"Omega", u"Zulu"})) << "the new name in name order";
    EXPECT_EQ(set.currentName, u"Omega");
    EXPECT_EQ(set.Find(u"Alpha"), nullptr);
    ASSERT_NE(set.Find(u"Omega"), nullptr);
    EXPECT_EQ(set.Find(u"Omega")->name, u"Omega");
    EXPECT_EQ(set.Find(u"Omega")->accelerator, 4u);
    EXPECT_EQ(set.Find(u"Omega")->keys.data(), keys) << "running actions read these records";
    EXPECT_EQ(SelectedText(), u"Omega");

    // No restores the working copy taken before the accelerator changed,
    // but under the new name.
    prompt.answers = {false};
    strip.Choose(0);
    EXPECT_EQ(prompt.questions, Names{u"Are you sure to save 'Omega'?"});
    ASSERT_NE(set.Find(u"Omega"), nullptr);
    EXPECT_EQ(set.Find(u"Omega")->name, u"Omega");
    EXPECT_EQ(set.Find(u"Omega")->accelerator, 0u);
    EXPECT_EQ(set.Find(u"Alpha"), nullptr);
}

TEST_F(ProfileStrip, RenameRefusesBlankAndTakenNamesAndIgnoresTheSameName) {
    Start({u"Alpha", u"Beta"}, u"Alpha");
    const struct {
        std::u16string name;
        std::u16string warning;
    } refused[] = {
        {u"", u"A profile name cannot be empty."},
        {u" \t  ", u"A profile name cannot be empty."},
        {u"\u00A0\u2003\u200B\uFEFF\u3000", u"A profile name cannot be empty."},
        {u"Beta", u"A profile named 'Beta' already exists."},
        {u"\u00A0Beta\n", u"A profile named 'Beta' already exists."},
    };
    for (const auto& r : refused) {
        prompt.warnings.clear();
        EXPECT_FALSE(strip.Rename(r.name));
        EXPECT_EQ(prompt.warnings, Names{r.warning});
    }
    prompt.warnings.clear();
    EXPECT_FALSE(strip.Rename(u"Alpha"));
    EXPECT_TRUE(prompt.warnings.empty());
    EXPECT_EQ(strip.Items(), (Names{u"Alpha", u"Beta"}));
    EXPECT_EQ(set.currentName, u"Alpha");
    EXPECT_FALSE(strip.Rename(u" Alpha\u200B"));
    EXPECT_TRUE(prompt.warnings.empty());
    EXPECT_TRUE(strip.Rename(u"\u2002beta ")) << "names differ by case";
    EXPECT_EQ(set.currentName, u"beta") << "stored trimmed";
}

TEST_F(ProfileStrip, DeleteSelectsTheNeighbourAndEndsTheDeletedProfilesActions) {
    Start({u"A", u"B", u"C"}, u"B");
    strip.DeleteProfile();
    EXPECT_EQ(strip.Items(), (Names{u"A", u"C"}));
    ExpectCurrent(u"C");
    EXPECT_EQ(ended, Names{u"B"});
    EXPECT_EQ(set.Find(u"B"), nullptr);

    strip.DeleteProfile();  // the last item: the one before it is selected
    EXPECT_EQ(strip.Items(), Names{u"A"});
    ExpectCurrent(u"A");
    EXPECT_FALSE(strip.CanDelete());
    strip.DeleteProfile();
    EXPECT_EQ(strip.Items(), Names{u"A"});
    EXPECT_NE(set.Find(u"A"), nullptr);
}

TEST_F(ProfileStrip, NewAndCopyAppendTheirProfileAndMakeItCurrent) {
    Start({u"Profile1"}, u"Profile1");
    strip.AcceleratorChanged(2);
    prompt.answers = {true};
    strip.CopyProfile();
    ASSERT_EQ(strip.Items().size(), 2u);
    const std::u16string copy = strip.Items()[1];
    EXPECT_EQ(copy.rfind(u"Profile1", 0), 0u) << "named by the copy rule after its source";
    EXPECT_EQ(set.Find(copy)->keys.size(), set.Find(u"Profile1")->keys.size());
    ExpectCurrent(copy);
    EXPECT_EQ(set.Find(copy)->accelerator, 0u) << "a copy has no accelerator";
    EXPECT_EQ(prompt.questions, Names{u"Are you sure to save 'Profile1'?"});
    EXPECT_EQ(set.Find(u"Profile1")->accelerator, 2u);

    strip.NewProfile();
    EXPECT_EQ(strip.Items().back(), u"Profile2");
    ExpectCurrent(u"Profile2");
    EXPECT_EQ(set.Find(u"Profile2")->brightnessLevel, 10) << "a new profile has the defaults";
}

TEST_F(ProfileStrip, ImportAddsOrReplacesAfterAsking) {
    Start({u"Profile1", u"Game"}, u"Game");
    CDocProfile outside;
    outside.ResetToDefaults();
    outside.name = u"Racing";
    ASSERT_TRUE(outside.OnSaveDocument(dir.File("racing.pf"), io));
    EXPECT_TRUE(strip.ImportProfile(dir.File("racing.pf"), io));
    EXPECT_EQ(strip.Items(), (Names{u"Game", u"Profile1", u"Racing"}));
    ExpectCurrent(u"Racing");

    outside.name = u"Game";
    outside.brightnessLevel = 3;
    ASSERT_TRUE(outside.OnSaveDocument(dir.File("game.pf"), io));
    prompt.answers = {false};
    EXPECT_FALSE(strip.ImportProfile(dir.File("game.pf"), io));
    ExpectCurrent(u"Racing");
    EXPECT_EQ(set.Find(u"Game")->brightnessLevel, 10);

    prompt.answers = {true};
    EXPECT_TRUE(strip.ImportProfile(dir.File("game.pf"), io));
    EXPECT_EQ(strip.Items().size(), 3u) << "a replaced profile keeps its item";
    ExpectCurrent(u"Game");
    EXPECT_EQ(set.Find(u"Game")->brightnessLevel, 3);
    EXPECT_EQ(ended, Names{u"Game"});
}

// The save question would either store the old page state over the import
// or restore the old profile: both lose what the user just imported.
TEST_F(ProfileStrip, ImportOverTheModifiedCurrentProfileKeepsTheImport) {
    Start({u"Game"}, u"Game");
    strip.AcceleratorChanged(4);
    CDocProfile outside;
    outside.ResetToDefaults();
    outside.name = u"Game";
    outside.accelerator = 7;
    ASSERT_TRUE(outside.OnSaveDocument(dir.File("game.pf"), io));
    prompt.answers = {true};
    EXPECT_TRUE(strip.ImportProfile(dir.File("game.pf"), io));
    EXPECT_EQ(prompt.questions, Names{u"'Game' is existed, are you sure to replace it?"});
    EXPECT_EQ(set.Find(u"Game")->accelerator, 7u);
    EXPECT_FALSE(set.Find(u"Game")->IsModified());
    EXPECT_TRUE(stored.empty());
    EXPECT_EQ(strip.Accelerator(), 7u);
}

TEST_F(ProfileStrip, ExportSavesTheCurrentProfileAndClearsItsMark) {
    Start({u"Profile1"}, u"Profile1");
    strip.NameEdited(u"x");
    EXPECT_TRUE(strip.ExportProfile(dir.File("p.pf"), io));
    EXPECT_FALSE(set.Current()->IsModified());
    CDocProfile back;
    ASSERT_TRUE(back.OnOpenDocument(dir.File("p.pf"), io));
    EXPECT_EQ(back.name, u"Profile1");
}
}  // namespace

TEST_F(ProfileStrip, ASwitchFromOutsideKeepsTheChangesWithoutAsking) {
    Start({u"Alpha", u"Beta"}, u"Alpha");
    strip.AcceleratorChanged(6);
    EXPECT_FALSE(strip.Select(u"Nobody", ProfileReason::Automatic));
    ASSERT_TRUE(strip.Select(u"Beta", ProfileReason::Automatic));
    EXPECT_TRUE(prompt.questions.empty());
    EXPECT_EQ(stored, Names{u"Alpha"}) << "the pages store theirs, as Yes would";
    EXPECT_EQ(set.Find(u"Alpha")->accelerator, 6u);
    EXPECT_FALSE(set.Find(u"Alpha")->IsModified());
    ExpectCurrent(u"Beta");
}
