#include "model/DocProfile.h"

#include <gtest/gtest.h>

#include "model/KeyTable.h"
#include "support/DocumentFixture.h"

namespace {
CDocProfile DefaultProfile(std::u16string name) {
    CDocProfile p;
    p.ResetToDefaults();
    p.name = std::move(name);
    return p;
}

Bytes Store(CDocProfile& p) {
    return StoreToBytes([&](CArchive& ar) { p.Serialize(ar); });
}

void ExpectSameProfile(const CDocProfile& a, CDocProfile& b) {
    CDocProfile copy(a);
    EXPECT_EQ(Store(copy), Store(b));
    EXPECT_EQ(a.leadWord, b.leadWord);
}

using DocProfile = DocumentFixture;
}  // namespace

TEST_F(DocProfile, DefaultProfileStoresItsFixedPartThen255Records) {
    CDocProfile p = DefaultProfile(u"Profile1");
    const Bytes b = Store(p);
    EXPECT_EQ(b.size(), 285148u);
    const Bytes fixed = Cat({{0x00, 0x00},
                             ArchiveString(u"Profile1"),
                             {0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0x00, 0x0A, 1, 0, 0, 0, 1, 0, 0, 0},
                             {0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0}});
    EXPECT_EQ(Head(b, fixed.size()), fixed);
}

TEST_F(DocProfile, AltTabIsStoredBeforeAltF4) {
    CDocProfile p = DefaultProfile(u"P");
    p.disableAltTab = 1;
    p.disableAltF4 = 0;
    const Bytes b = Store(p);
    const std::size_t item10 = 2 + ArchiveString(u"P").size() + 4 * 3 + 2 + 4 * 2;
    EXPECT_EQ(Bytes(b.begin() + static_cast<long>(item10), b.begin() + static_cast<long>(item10 + 8)),
              (Bytes{1, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(DocProfile, ResetKeepsSlotsOutsideTheTableAndTheLeadWord) {
    CDocProfile p;
    p.leadWord = 9;
    p.brightnessLevel = 3;
    for (CKeyAction& k : p.keys) k.kind = kKindDisable;
    p.ResetToDefaults();
    EXPECT_EQ(p.leadWord, 9);
    EXPECT_EQ(p.brightnessLevel, 10);
    ASSERT_EQ(p.keys.size(), kSlotCount);
    EXPECT_EQ(p.keys[0x00].kind, kKindDisable);
    EXPECT_EQ(p.keys[0xC1].kind, kKindDefault);
    EXPECT_EQ(p.keys[0xC1].name, u"M1");
}

TEST_F(DocProfile, ExportedProfileOpensWithEveryFieldEqual) {
    CDocProfile p = DefaultProfile(u"Game");
    p.leadWord = 0x1234;
    p.accelerator = 7;
    p.backlightEffect = 2;
    p.brightnessLevel = 20;
    p.disableAltF4 = 1;
    p.keys[0x41].kind = kKindMacro;
    p.keys[0x41].macroName = u"Jump";
    p.keys[0x41].released = 0;  // runtime field: not stored
    ASSERT_TRUE(p.OnSaveDocument(dir.File("game.pf"), io));

    CDocProfile back;
    ASSERT_TRUE(back.OnOpenDocument(dir.File("game.pf"), io));
    EXPECT_TRUE(prompt.warnings.empty());
    EXPECT_FALSE(back.IsModified());
    ExpectSameProfile(p, back);
    EXPECT_EQ(back.keys[0x41].macroName, u"Jump");
    EXPECT_EQ(back.keys[0x41].released.load(), 1u);
}

TEST_F(DocProfile, MissingFileIsReportedAndChangesNothing) {
    CDocProfile p = DefaultProfile(u"Keep");
    const std::u16string path = dir.File("absent.pf");
    EXPECT_FALSE(p.OnOpenDocument(path, io));
    ASSERT_EQ(prompt.warnings.size(), 1u);
    EXPECT_EQ(prompt.warnings[0], path + u" was not found.");
    EXPECT_EQ(p.name, u"Keep");
    EXPECT_EQ(p.keys[0xC1].name, u"M1");
}

TEST_F(DocProfile, EmptyFileOpensToEmptySlotsKeepingTheSettings) {
    WriteFileBytes(dir / "empty.pf", {});
    CDocProfile p = DefaultProfile(u"Keep");
    p.accelerator = 4;
    EXPECT_TRUE(p.OnOpenDocument(dir.File("empty.pf"), io));
    EXPECT_TRUE(prompt.warnings.empty());
    EXPECT_EQ(p.name, u"Keep");
    EXPECT_EQ(p.accelerator, 4u);
    ASSERT_EQ(p.keys.size(), kSlotCount);
    EXPECT_EQ(p.keys[0xC1].code, 0u);
}

// A file cut inside a number or string is malformed (a cut inside a record's
// trailing raw blocks is not detectable and loads, as for every archive).
TEST_F(DocProfile, TruncatedFileIsUnexpectedFormatAndLeavesNoKeys) {
    CDocProfile p = DefaultProfile(u"Cut");
    const Bytes whole = Store(p);
    for (std::size_t cut : {std::size_t{1}, std::size_t{30}, std::size_t{56}, std::size_t{1000}, whole.size() - 1100}) {
        WriteFileBytes(dir / "cut.pf", Head(whole, cut));
        CDocProfile q = DefaultProfile(u"Before");
        prompt.warnings.clear();
        EXPECT_FALSE(q.OnOpenDocument(dir.File("cut.pf"), io)) << cut;
        EXPECT_EQ(prompt.warnings, std::vector<std::u16string>{u"Unexpected file format."}) << cut;
        ASSERT_EQ(q.keys.size(), kSlotCount) << cut;
        EXPECT_EQ(q.keys[0xC1].code, 0u) << cut;
    }
}

// Counts other than 255: short lists are padded, surplus records are read
// (so the data after them stays aligned) and dropped; a count beyond the
// data fails instead of allocating.
TEST_F(DocProfile, KeyCountIsFittedTo255Slots) {
    CDocProfile p = DefaultProfile(u"N");
    for (std::size_t count : {std::size_t{0}, std::size_t{3}, std::size_t{300}}) {
        CDocProfile odd(p);
        odd.keys.resize(count);
        if (count > 0) odd.keys[count - 1].name = u"last";
        Bytes b = StoreToBytes([&](CArchive& ar) {
            odd.Serialize(ar);
            ar.WriteU32(0xCAFE);
        });
        CDocProfile back;
        LoadFromBytes(b, [&](CArchive& ar) {
            back.Serialize(ar);
            EXPECT_EQ(ar.ReadU32(), 0xCAFEu) << count;
        });
        ASSERT_EQ(back.keys.size(), kSlotCount) << count;
        if (count == 3) {
            EXPECT_EQ(back.keys[2].name, u"last");
        }
    }
    Bytes huge = Store(p);
    const std::size_t countAt = 2 + ArchiveString(u"N").size() + 4 * 3 + 2 + 4 * 4;
    for (std::size_t i = 0; i < 4; ++i) huge[countAt + i] = 0xFF;
    CDocProfile back;
    EXPECT_THROW(LoadFromBytes(huge, [&](CArchive& ar) { back.Serialize(ar); }), CArchiveException);
}

TEST_F(DocProfile, CopyTakesEveryFieldButNotTheModifiedFlag) {
    CDocProfile p = DefaultProfile(u"Src");
    p.leadWord = 3;
    p.gamingMode = 0;
    p.keys[5].pressCount = 4;
    p.SetModifiedFlag();
    CDocProfile copy(p);
    EXPECT_FALSE(copy.IsModified());
    ExpectSameProfile(p, copy);
    EXPECT_EQ(copy.keys[5].pressCount.load(), 4u);
    const CDocProfile& self = copy;
    copy = self;  // copying onto itself changes nothing
    ExpectSameProfile(p, copy);
}

TEST_F(DocProfile, NewDocumentIsTheDefaultProfile) {
    CDocProfile p;
    p.accelerator = 5;
    p.keys.clear();
    EXPECT_TRUE(p.OnNewDocument());
    CDocProfile expected = DefaultProfile(u"");
    ExpectSameProfile(expected, p);
}
