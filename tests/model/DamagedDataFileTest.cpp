// A data file cut short or corrupted: what was read whole stays, the damaged
// file is kept byte for byte beside itself before anything replaces it, and
// a file that cannot be kept is not overwritten.
#include <gtest/gtest.h>

#include <chrono>

#include "macro/DocMacroSet.h"
#include "model/DamagedFile.h"
#include "model/DocProfileSet.h"
#include "support/DocumentFixture.h"
#include "support/FaultyFileStore.h"

namespace {
using Texts = std::vector<std::u16string>;

class DamagedDataFile : public DocumentFixture {
protected:
    // Files beside the data file whose names say they were kept.
    std::vector<std::filesystem::path> Kept(const std::string& file) const {
        std::vector<std::filesystem::path> kept;
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
            if (entry.path().filename().string().rfind(file + ".damaged-", 0) == 0) kept.push_back(entry.path());
        std::sort(kept.begin(), kept.end());
        return kept;
    }
    static Texts NamesOf(const CDocProfileSet& set) {
        Texts names;
        for (const auto& [name, profile] : set.profiles) names.push_back(name);
        return names;
    }
    DocumentIo keeping{files, prompt, true};
};

TEST_F(DamagedDataFile, ProfilesReadWholeBeforeTheDamageStayAndTheFileIsKept) {
    CDocProfileSet written;
    for (const char16_t* name : {u"Alpha", u"Bravo", u"Delta"}) written.AddDefaultProfile(name);
    written.Find(u"Alpha")->brightnessLevel = 3;
    written.Find(u"Bravo")->accelerator = 7;
    written.currentName = u"Delta";
    ASSERT_TRUE(written.OnSaveDocument(dir.File("qorn.pfs"), io));
    const Bytes whole = ReadFileBytes(dir / "qorn.pfs");
    const std::size_t header = 2 + 4 + 2 * 5 + 4;  // lead word, "Delta", count
    const std::size_t each = (whole.size() - header) / 3;
    ASSERT_EQ(header + 3 * each, whole.size());

    Bytes countTooLarge = whole;
    countTooLarge[header - 4] = 0xFF;
    const struct {
        const char* name;
        Bytes damaged;
        Texts recovered;
        std::u16string current;
    } cases[] = {
        {"cut inside the header", Head(whole, 9), {u"Profile1"}, u"Profile1"},
        {"cut after the count", Head(whole, header), {u"Profile1"}, u"Profile1"},
        {"cut inside the first profile", Head(whole, header + 100), {u"Profile1"}, u"Profile1"},
        {"cut at the first profile's end", Head(whole, header + each), {u"Alpha"}, u"Alpha"},
        {"cut inside the second profile", Head(whole, header + each + each / 2), {u"Alpha"}, u"Alpha"},
        {"cut inside the last profile", Head(whole, header + 2 * each + each / 2), {u"Alpha", u"Bravo"}, u"Alpha"},
        {"a count beyond the profiles", countTooLarge, {u"Alpha", u"Bravo", u"Delta"}, u"Delta"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const auto& old : Kept("qorn.pfs")) std::filesystem::remove(old);
        WriteFileBytes(dir / "qorn.pfs", c.damaged);
        prompt.warnings.clear();

        CDocProfileSet set;
        ASSERT_TRUE(set.OnOpenDocument(dir.File("qorn.pfs"), keeping));
        EXPECT_EQ(NamesOf(set), c.recovered);
        EXPECT_EQ(set.currentName, c.current) << "the current profile is one that exists";
        for (const auto& [name, profile] : set.profiles) {
            EXPECT_EQ(profile.brightnessLevel, name == u"Alpha" ? 3 : 10);
            EXPECT_EQ(profile.accelerator, name == u"Bravo" ? 7u : 0u);
        }
        EXPECT_FALSE(set.MustNotReplace());

        const auto kept = Kept("qorn.pfs");
        ASSERT_EQ(kept.size(), 1u);
        EXPECT_EQ(ReadFileBytes(kept[0]), c.damaged) << "kept byte for byte";
        ASSERT_EQ(prompt.warnings.size(), 1u);
        EXPECT_EQ(prompt.warnings[0], u"Unexpected file format.\nIt was kept as " + kept[0].u16string() +
                                          u"; what could be read is loaded.");

        // The next save replaces the data file, never the kept one.
        ASSERT_TRUE(set.OnSaveDocument(dir.File("qorn.pfs"), io));
        EXPECT_EQ(ReadFileBytes(kept[0]), c.damaged);
    }
}

TEST_F(DamagedDataFile, MacrosReadWholeStayAndALaterKeepNeverOverwritesAnEarlierOne) {
    CDocMacroSet written;
    for (const char16_t* name : {u"Macro1", u"Macro2", u"Macro3"}) {
        CDocMacro macro;
        macro.name = name;
        macro.events = {MacroEvent::Key(0x41, 0x1E, 0, 0), MacroEvent::Key(0x41, 0x1E, 2, 50)};
        written.Insert(std::move(macro));
    }
    ASSERT_TRUE(written.OnSaveDocument(dir.File("qorn.mcs"), io));
    const Bytes damaged = Head(ReadFileBytes(dir / "qorn.mcs"), ReadFileBytes(dir / "qorn.mcs").size() - 20);
    WriteFileBytes(dir / "qorn.mcs", damaged);

    for (int run = 1; run <= 2; ++run) {
        CDocMacroSet set;
        EXPECT_FALSE(set.OnOpenDocument(dir.File("qorn.mcs"), keeping));
        EXPECT_NE(set.Find(u"Macro1"), nullptr);
        EXPECT_NE(set.Find(u"Macro2"), nullptr);
        EXPECT_EQ(set.Find(u"Macro3"), nullptr);
        ASSERT_EQ(Kept("qorn.mcs").size(), static_cast<std::size_t>(run)) << "a second keep takes a name of its own";
        for (const auto& kept : Kept("qorn.mcs")) EXPECT_EQ(ReadFileBytes(kept), damaged);
    }
}

TEST_F(DamagedDataFile, AFileThatCannotBeKeptIsNotToBeReplaced) {
    WriteFileBytes(dir / "qorn.pfs", Bytes{0, 0, 0xFF});
    FaultyFileStore full;
    full.fault = FaultyFileStore::Fault::ReplaceRefused;
    CDocProfileSet set;
    ASSERT_TRUE(set.OnOpenDocument(dir.File("qorn.pfs"), DocumentIo{full, prompt, true}));
    EXPECT_TRUE(set.MustNotReplace());
    EXPECT_EQ(prompt.warnings,
              Texts{u"Unexpected file format.\nThe file could not be copied aside, so it will not be overwritten."});
    EXPECT_TRUE(Kept("qorn.pfs").empty());

    // Without keeping (a tool that only looks) nothing is copied or held back.
    CDocProfileSet looked;
    ASSERT_TRUE(looked.OnOpenDocument(dir.File("qorn.pfs"), io));
    EXPECT_FALSE(looked.MustNotReplace());
    EXPECT_TRUE(Kept("qorn.pfs").empty());
}

TEST(KeepDamagedCopy, NamesTheFileAfterWhatItIsAndTheMinute) {
    TempDir dir;
    StdFileStore files;
    WriteFileBytes(dir / "qorn.pfs", Bytes{1, 2, 3});
    std::tm when{};
    when.tm_year = 2026 - 1900;
    when.tm_mon = 11;
    when.tm_mday = 9;
    when.tm_hour = 18;
    when.tm_min = 1;
    when.tm_isdst = -1;
    const auto at = std::chrono::system_clock::from_time_t(std::mktime(&when));
    const auto first = KeepDamagedCopy(files, dir.File("qorn.pfs"), at);
    const auto second = KeepDamagedCopy(files, dir.File("qorn.pfs"), at);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(*first, dir.File("qorn.pfs.damaged-20261209-1801"));
    EXPECT_EQ(*second, dir.File("qorn.pfs.damaged-20261209-1801-2"));
    EXPECT_FALSE(KeepDamagedCopy(files, dir.File("missing.pfs"), at));
}
}  // namespace
