#include "model/DocProfileSet.h"

#include <gtest/gtest.h>

#include "model/KeyTable.h"
#include "support/DocumentFixture.h"
#include "support/FaultyFileStore.h"

namespace {
using DocProfileSet = DocumentFixture;

CDocProfile Named(const std::u16string& name) {
    CDocProfile p;
    p.ResetToDefaults();
    p.name = name;
    return p;
}

// A set file written by hand: current name, then the given profiles as is.
Bytes SetFile(const std::u16string& current, std::vector<CDocProfile> profiles) {
    return StoreToBytes([&](CArchive& ar) {
        ar.WriteU16(0);
        ar.WriteString(current);
        ar.WriteU32(static_cast<uint32_t>(profiles.size()));
        for (CDocProfile& p : profiles) p.Serialize(ar);
    });
}

std::vector<std::u16string> Names(const CDocProfileSet& set) {
    std::vector<std::u16string> names;
    for (const auto& [name, profile] : set.profiles) {
        EXPECT_EQ(name, profile.name);
        names.push_back(name);
    }
    return names;
}
}  // namespace

TEST_F(DocProfileSet, OneProfileSetStores285174Bytes) {
    CDocProfileSet set;
    set.currentName = u"Profile1";
    set.AddDefaultProfile(u"Profile1");
    const Bytes b = Store(set);
    EXPECT_EQ(b.size(), 285174u);
    const Bytes head = Cat({{0, 0}, ArchiveString(u"Profile1"), {1, 0, 0, 0}});
    EXPECT_EQ(Head(b, head.size()), head);
    CDocProfile alone = Named(u"Profile1");
    EXPECT_EQ(Bytes(b.begin() + static_cast<long>(head.size()), b.end()), Store(alone));
}

TEST_F(DocProfileSet, ProfilesAreStoredInOrdinalOrder) {
    CDocProfileSet set;
    for (const char16_t* n : {u"b", u"B", u"a", u"Profile2", u"Profile10"}) set.Insert(Named(n));
    WriteFileBytes(dir / "order.pfs", Store(set));
    CDocProfileSet back;
    back.OnOpenDocument(dir.File("order.pfs"), io);
    EXPECT_EQ(Names(back), (std::vector<std::u16string>{u"B", u"Profile10", u"Profile2", u"a", u"b"}));
}

TEST_F(DocProfileSet, NamingRules) {
    CDocProfileSet set;
    set.Insert(Named(u"Profile2"));
    EXPECT_EQ(set.NextProfileName(), u"Profile1");
    set.Insert(Named(u"Profile1"));
    EXPECT_EQ(set.NextProfileName(), u"Profile3");
    EXPECT_EQ(set.CopyName(u"Game"), u"Game(Copy)");
    set.Insert(Named(u"Game(Copy)"));
    EXPECT_EQ(set.CopyName(u"Game"), u"Game(Copy1)");
    set.Insert(Named(u"Game(Copy1)"));
    EXPECT_EQ(set.CopyName(u"Game"), u"Game(Copy2)");
}

TEST_F(DocProfileSet, LoadingDropsEmptyAndRepeatedNames) {
    CDocProfile first = Named(u"Same");
    first.accelerator = 1;
    CDocProfile second = Named(u"Same");
    second.accelerator = 2;
    WriteFileBytes(dir / "dup.pfs", SetFile(u"Same", {first, Named(u""), second, Named(u"Other")}));
    CDocProfileSet set;
    EXPECT_TRUE(set.OnOpenDocument(dir.File("dup.pfs"), io));
    EXPECT_TRUE(prompt.warnings.empty());
    EXPECT_EQ(Names(set), (std::vector<std::u16string>{u"Other", u"Same"}));
    EXPECT_EQ(set.Find(u"Same")->accelerator, 1u);
    EXPECT_EQ(set.currentName, u"Same");
    EXPECT_FALSE(set.IsModified());
}

// Empty, missing and damaged files all end with a usable set.
TEST_F(DocProfileSet, UnusableFilesOpenToTheDefaultProfile) {
    const Bytes good = SetFile(u"A", {Named(u"A"), Named(u"B")});
    WriteFileBytes(dir / "empty.pfs", {});
    WriteFileBytes(dir / "cut.pfs", Head(good, 40));  // inside the first profile
    struct Case {
        const char* file;
        std::vector<std::u16string> warnings;
    };
    const std::vector<Case> cases = {
        {"empty.pfs", {}},
        {"missing.pfs", {dir.File("missing.pfs") + u" was not found."}},
        {"cut.pfs", {u"Unexpected file format."}},
    };
    for (const Case& c : cases) {
        prompt.warnings.clear();
        CDocProfileSet set;
        set.currentName = u"Stale";
        EXPECT_TRUE(set.OnOpenDocument(dir.File(c.file), io)) << c.file;
        EXPECT_EQ(prompt.warnings, c.warnings) << c.file;
        EXPECT_EQ(Names(set), std::vector<std::u16string>{u"Profile1"}) << c.file;
        EXPECT_EQ(set.currentName, u"Profile1") << c.file;
        CDocProfile expected = Named(u"Profile1");
        EXPECT_EQ(Store(*set.Current()), Store(expected)) << c.file;
    }
}

// Also when the load fails after reading it, the file's leading word is not
// written back.
TEST_F(DocProfileSet, TheLeadingWordIsAlwaysStoredAsZero) {
    Bytes file = SetFile(u"A", {Named(u"A")});
    file[0] = 7;
    for (std::size_t size : {file.size(), std::size_t{100}}) {
        WriteFileBytes(dir / "lead.pfs", Head(file, size));
        CDocProfileSet set;
        set.OnOpenDocument(dir.File("lead.pfs"), io);
        EXPECT_EQ(Head(Store(set), 2), (Bytes{0, 0})) << size;
    }
}

TEST_F(DocProfileSet, UnknownCurrentNameFallsBackToTheFirstProfile) {
    WriteFileBytes(dir / "x.pfs", SetFile(u"Gone", {Named(u"Zed"), Named(u"Alpha")}));
    CDocProfileSet set;
    set.OnOpenDocument(dir.File("x.pfs"), io);
    EXPECT_EQ(set.currentName, u"Alpha");
}

TEST_F(DocProfileSet, NewAndCopyBecomeCurrent) {
    CDocProfileSet set;
    set.OnOpenDocument(dir.File("none.pfs"), io);
    set.Current()->accelerator = 3;
    set.Current()->keys[0x41].kind = kKindDisable;
    CDocProfile* copy = set.CopyCurrent();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(set.currentName, u"Profile1(Copy)");
    EXPECT_EQ(copy->accelerator, 0u);
    EXPECT_EQ(copy->keys[0x41].kind, kKindDisable);
    EXPECT_EQ(set.NewProfile().name, u"Profile2");
    EXPECT_EQ(set.currentName, u"Profile2");
    set.currentName = u"nothing";
    EXPECT_EQ(set.CopyCurrent(), nullptr);
}

TEST_F(DocProfileSet, ImportAddsNewNamesAndAsksBeforeReplacing) {
    CDocProfileSet set;
    set.OnOpenDocument(dir.File("none.pfs"), io);
    set.Current()->accelerator = 1;
    CDocProfile outside = Named(u"Game");
    outside.accelerator = 1;  // same accelerator as Profile1: kept anyway
    ASSERT_TRUE(outside.OnSaveDocument(dir.File("game.pf"), io));
    EXPECT_TRUE(set.Import(dir.File("game.pf"), io));
    EXPECT_EQ(set.currentName, u"Game");
    EXPECT_EQ(set.Find(u"Game")->accelerator, 1u);
    EXPECT_TRUE(prompt.questions.empty());

    CDocProfile changed = Named(u"Game");
    changed.brightnessLevel = 2;
    ASSERT_TRUE(changed.OnSaveDocument(dir.File("game.pf"), io));
    set.currentName = u"Profile1";
    prompt.answers = {false, true};
    EXPECT_FALSE(set.Import(dir.File("game.pf"), io));
    EXPECT_EQ(set.Find(u"Game")->brightnessLevel, 10);
    EXPECT_EQ(set.currentName, u"Profile1");
    EXPECT_TRUE(set.Import(dir.File("game.pf"), io));
    EXPECT_EQ(set.Find(u"Game")->brightnessLevel, 2);
    EXPECT_EQ(set.currentName, u"Game");
    EXPECT_EQ(prompt.questions,
              std::vector<std::u16string>(2, u"'Game' is existed, are you sure to replace it?"));
}

TEST_F(DocProfileSet, ImportRefusesProfilesWithoutNameOrFile) {
    CDocProfileSet set;
    set.OnOpenDocument(dir.File("none.pfs"), io);
    prompt.warnings.clear();
    CDocProfile nameless = Named(u"");
    ASSERT_TRUE(nameless.OnSaveDocument(dir.File("nameless.pf"), io));
    EXPECT_FALSE(set.Import(dir.File("nameless.pf"), io));
    EXPECT_FALSE(set.Import(dir.File("absent.pf"), io));
    EXPECT_EQ(prompt.warnings, (std::vector<std::u16string>{u"Unexpected file format.",
                                                             dir.File("absent.pf") + u" was not found."}));
    EXPECT_EQ(Names(set), std::vector<std::u16string>{u"Profile1"});
}

TEST_F(DocProfileSet, ExportWritesTheProfileAlone) {
    CDocProfileSet set;
    set.OnOpenDocument(dir.File("none.pfs"), io);
    EXPECT_TRUE(set.ExportProfile(u"Profile1", dir.File("p.pf"), io));
    CDocProfile expected = Named(u"Profile1");
    EXPECT_EQ(ReadFileBytes(dir / "p.pf"), Store(expected));
    EXPECT_FALSE(set.ExportProfile(u"Nope", dir.File("q.pf"), io));
}

// The old file survives any failed save byte for byte, and no temporary
// file is left behind.
TEST_F(DocProfileSet, FailedSaveLeavesThePreviousFileIntact) {
    FaultyFileStore faulty;
    DocumentIo faultyIo{faulty, prompt};
    CDocProfileSet set;
    set.OnOpenDocument(dir.File("none.pfs"), io);
    ASSERT_TRUE(set.OnSaveDocument(dir.File("qorn.pfs"), io));
    const Bytes before = ReadFileBytes(dir / "qorn.pfs");
    set.NewProfile();
    set.SetModifiedFlag();
    prompt.warnings.clear();

    faulty.fault = FaultyFileStore::Fault::DiskFullAfterBytes;
    for (std::size_t budget : {std::size_t{0}, std::size_t{7}, std::size_t{300000}}) {
        faulty.bytesBeforeFull = budget;
        EXPECT_FALSE(set.OnSaveDocument(dir.File("qorn.pfs"), faultyIo)) << budget;
        EXPECT_EQ(ReadFileBytes(dir / "qorn.pfs"), before) << budget;
    }
    faulty.fault = FaultyFileStore::Fault::ReplaceRefused;
    EXPECT_FALSE(set.OnSaveDocument(dir.File("qorn.pfs"), faultyIo));
    EXPECT_EQ(ReadFileBytes(dir / "qorn.pfs"), before);
    EXPECT_TRUE(set.IsModified());
    EXPECT_EQ(dir.EntryCount(), 1u);
    const std::u16string full = u"Disk full while accessing " + dir.File("qorn.pfs") + u".";
    EXPECT_EQ(prompt.warnings,
              (std::vector<std::u16string>{full, full, full,
                                           u"A sharing violation occurred while accessing " + dir.File("qorn.pfs") + u"."}));

    faulty.fault = FaultyFileStore::Fault::None;
    EXPECT_TRUE(set.OnSaveDocument(dir.File("qorn.pfs"), faultyIo));
    EXPECT_EQ(ReadFileBytes(dir / "qorn.pfs"), Store(set));
    EXPECT_FALSE(set.IsModified());
}

TEST_F(DocProfileSet, SaveIntoAMissingFolderIsAnInvalidPath) {
    CDocProfileSet set;
    set.OnOpenDocument(dir.File("none.pfs"), io);
    prompt.warnings.clear();
    const std::u16string path = dir.File("no/such/qorn.pfs");
    EXPECT_FALSE(set.OnSaveDocument(path, io));
    EXPECT_EQ(prompt.warnings, std::vector<std::u16string>{path + u" contains an invalid path."});
}
