#include "macro/DocMacroSet.h"

#include <gtest/gtest.h>

#include <random>

#include "model/DocProfileSet.h"
#include "support/DocumentFixture.h"

namespace {
using DocMacroSet = DocumentFixture;

CDocMacro Macro(const std::u16string& name, uint32_t events = 0) {
    CDocMacro m;
    m.name = name;
    for (uint32_t i = 0; i < events; ++i) m.events.push_back(MacroEvent::Key(0x41, 0x1E, 0, i));
    return m;
}

std::vector<std::u16string> Names(const CDocMacroSet& set) {
    std::vector<std::u16string> names;
    for (const auto& [name, macro] : set.macros) {
        EXPECT_EQ(name, macro.name);
        names.push_back(name);
    }
    return names;
}
}  // namespace

TEST_F(DocMacroSet, StoredSizesOfTheEmptySetAndOfMacro1) {
    CDocMacroSet set;
    EXPECT_EQ(Store(set), (Bytes{0, 0, 0, 0, 0, 0, 0xFF, 0xFE, 0xFF, 0x00}));
    set.Insert(Macro(u"Macro1"));
    set.currentName = u"Macro1";
    CDocMacro alone = Macro(u"Macro1");
    EXPECT_EQ(Store(set), Cat({{0, 0, 1, 0, 0, 0}, Store(alone), ArchiveString(u"Macro1")}));
    EXPECT_EQ(Store(set).size(), 44u);
}

TEST_F(DocMacroSet, NamingRules) {
    CDocMacroSet set;
    set.Insert(Macro(u"Macro1"));
    set.Insert(Macro(u"Macro3"));
    EXPECT_EQ(set.NextMacroName(), u"Macro2");
    EXPECT_EQ(set.NewMacro(), u"Macro2");
    EXPECT_EQ(set.NextMacroName(), u"Macro4");

    set.Insert(Macro(u"Jump", 4));
    set.currentName = u"Jump";
    EXPECT_EQ(set.CopyCurrent(), u"Jump(Copy)");
    EXPECT_EQ(set.CopyCurrent(), u"Jump(Copy1)");
    EXPECT_TRUE(set.Find(u"Jump(Copy)")->events.empty());
    set.currentName = u"Nothing";
    EXPECT_EQ(set.CopyCurrent(), u"");
}

TEST_F(DocMacroSet, LoadingKeepsTheFirstOfEachNameAndWhatWasThere) {
    const Bytes file = StoreToBytes([](CArchive& ar) {
        ar.WriteU16(0);
        ar.WriteU32(4);
        for (CDocMacro m : {Macro(u"b", 1), Macro(u""), Macro(u"b", 2), Macro(u"Kept", 3)}) m.Serialize(ar);
        ar.WriteString(u"b");
    });
    WriteFileBytes(dir / "qorn.mcs", file);
    CDocMacroSet set;
    set.Insert(Macro(u"Kept", 9));
    EXPECT_TRUE(set.OnOpenDocument(dir.File("qorn.mcs"), io));
    EXPECT_EQ(Names(set), (std::vector<std::u16string>{u"Kept", u"b"}));
    EXPECT_EQ(set.Find(u"b")->events.size(), 1u);
    EXPECT_EQ(set.Find(u"Kept")->events.size(), 9u);
    EXPECT_EQ(set.currentName, u"b");
}

TEST_F(DocMacroSet, EmptyMissingAndDamagedFiles) {
    WriteFileBytes(dir / "empty.mcs", {});
    CDocMacroSet empty;
    EXPECT_TRUE(empty.OnOpenDocument(dir.File("empty.mcs"), io));
    EXPECT_TRUE(empty.macros.empty());
    EXPECT_TRUE(prompt.warnings.empty());

    CDocMacroSet missing;
    EXPECT_FALSE(missing.OnOpenDocument(dir.File("qorn.mcs"), io));
    EXPECT_TRUE(missing.macros.empty());

    // Cut inside the second macro: the first stays.
    CDocMacroSet full;
    full.Insert(Macro(u"A", 2));
    full.Insert(Macro(u"B", 2));
    const Bytes whole = Store(full);
    WriteFileBytes(dir / "cut.mcs", Head(whole, whole.size() - 20));
    CDocMacroSet cut;
    EXPECT_FALSE(cut.OnOpenDocument(dir.File("cut.mcs"), io));
    EXPECT_EQ(Names(cut), std::vector<std::u16string>{u"A"});
    EXPECT_EQ(prompt.warnings, (std::vector<std::u16string>{dir.File("qorn.mcs") + u" was not found.",
                                                             u"Unexpected file format."}));
}

TEST_F(DocMacroSet, TheLeadingWordIsAlwaysStoredAsZero) {
    CDocMacroSet full;
    full.Insert(Macro(u"A", 2));
    Bytes file = Store(full);
    file[1] = 9;
    for (std::size_t size : {file.size(), std::size_t{20}}) {
        WriteFileBytes(dir / "lead.mcs", Head(file, size));
        CDocMacroSet set;
        set.OnOpenDocument(dir.File("lead.mcs"), io);
        EXPECT_EQ(Head(Store(set), 2), (Bytes{0, 0})) << size;
    }
}

TEST_F(DocMacroSet, RenameFollowsEveryProfilesKeyActions) {
    CDocProfileSet profiles;
    profiles.OnOpenDocument(dir.File("none.pfs"), io);
    profiles.CopyCurrent();
    for (auto& entry : profiles.profiles) {
        entry.second.keys[0x41].kind = kKindMacro;
        entry.second.keys[0x41].macroName = u"Jump";
        entry.second.keys[0x42].macroName = u"Other";
    }
    CDocMacroSet set;
    set.Insert(Macro(u"Jump", 3));
    set.Find(u"Jump")->leadWord = 5;
    set.Insert(Macro(u"Other"));
    set.currentName = u"Jump";

    EXPECT_FALSE(set.Rename(u"Jump", u"Other", profiles));
    EXPECT_FALSE(set.Rename(u"Jump", u"", profiles));
    EXPECT_FALSE(set.Rename(u"Nope", u"New", profiles));
    ASSERT_TRUE(set.Rename(u"Jump", u"Leap", profiles));
    EXPECT_EQ(Names(set), (std::vector<std::u16string>{u"Leap", u"Other"}));
    EXPECT_EQ(set.Find(u"Leap")->events.size(), 3u);
    EXPECT_EQ(set.Find(u"Leap")->leadWord, 0);
    EXPECT_EQ(set.currentName, u"Leap");
    for (auto& entry : profiles.profiles) {
        EXPECT_EQ(entry.second.keys[0x41].macroName, u"Leap");
        EXPECT_EQ(entry.second.keys[0x42].macroName, u"Other");
    }
    set.DeleteCurrent();
    EXPECT_EQ(Names(set), std::vector<std::u16string>{u"Other"});
    EXPECT_EQ(set.currentName, u"");
}

TEST_F(DocMacroSet, ImportAndExport) {
    CDocMacroSet set;
    set.Insert(Macro(u"Jump", 2));
    ASSERT_TRUE(set.ExportMacro(u"Jump", dir.File("jump.mc"), io));
    EXPECT_FALSE(set.ExportMacro(u"None", dir.File("none.mc"), io));

    CDocMacroSet other;
    EXPECT_TRUE(other.Import(dir.File("jump.mc"), io));
    EXPECT_EQ(other.Find(u"Jump")->events.size(), 2u);

    set.Find(u"Jump")->events.clear();
    prompt.answers = {false, true};
    EXPECT_FALSE(set.Import(dir.File("jump.mc"), io));
    EXPECT_TRUE(set.Find(u"Jump")->events.empty());
    EXPECT_TRUE(set.Import(dir.File("jump.mc"), io));
    EXPECT_EQ(set.Find(u"Jump")->events.size(), 2u);
    EXPECT_EQ(prompt.questions, std::vector<std::u16string>(2, u"'Jump' is existed, are you sure to replace it?"));

    CDocMacro nameless;
    ASSERT_TRUE(nameless.OnSaveDocument(dir.File("nameless.mc"), io));
    EXPECT_FALSE(set.Import(dir.File("nameless.mc"), io));
    EXPECT_EQ(prompt.warnings, std::vector<std::u16string>{u"Unexpected file format."});
    EXPECT_EQ(Names(set), std::vector<std::u16string>{u"Jump"});
}

// Random inserts, erases and renames against a plain map; the stored set
// always lists the model's names in order and reloads to the same bytes.
TEST_F(DocMacroSet, RandomOperationsMatchAPlainMap) {
    std::mt19937 rng(7);
    CDocProfileSet profiles;
    CDocMacroSet set;
    std::map<std::u16string, std::size_t> model;
    const std::vector<std::u16string> pool = {u"a", u"B", u"b", u"Macro1", u"Macro10", u"Macro2", u"\u00e9", u"Z"};
    for (int step = 0; step < 400; ++step) {
        const std::u16string& x = pool[rng() % pool.size()];
        const std::u16string& y = pool[rng() % pool.size()];
        switch (rng() % 3) {
        case 0: {
            const std::size_t n = rng() % 4;
            EXPECT_EQ(set.Insert(Macro(x, static_cast<uint32_t>(n))), model.try_emplace(x, n).second);
            break;
        }
        case 1:
            set.Erase(x);
            model.erase(x);
            break;
        default: {
            const bool allowed = model.contains(x) && !model.contains(y);
            EXPECT_EQ(set.Rename(x, y, profiles), allowed);
            if (allowed) {
                model[y] = model[x];
                model.erase(x);
            }
        }
        }
    }
    std::vector<std::u16string> expected;
    for (const auto& [name, n] : model) {
        expected.push_back(name);
        EXPECT_EQ(set.Find(name)->events.size(), n);
    }
    EXPECT_EQ(Names(set), expected);
    const Bytes stored = Store(set);
    CDocMacroSet back;
    LoadFromBytes(stored, [&](CArchive& ar) { back.Serialize(ar); });
    EXPECT_EQ(Store(back), stored);
}
