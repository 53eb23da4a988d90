#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "macro/DocMacroSet.h"
#include "model/DocProfileSet.h"
#include "platform/StdFileStore.h"
#include "support/FakeUserPrompt.h"
#include "support/RunCommand.h"
#include "support/TempDir.h"

namespace {
class Qornctl : public ::testing::Test {
protected:
    std::string File(const std::string& name) const { return (dir / name).string(); }
    void Save(CDocument& doc, const std::string& name) {
        ASSERT_TRUE(doc.OnSaveDocument(dir.File(name), io));
    }

    TempDir dir;
    StdFileStore files;
    FakeUserPrompt prompt;
    DocumentIo io{files, prompt};
};
}  // namespace

TEST_F(Qornctl, NewWritesTheFirstRunFiles) {
    EXPECT_EQ(RunCommand("new", {File("x.pfs")}).code, 0);
    const Bytes pfs = ReadFileBytes(dir / "x.pfs");
    EXPECT_EQ(pfs.size(), 285174u);
    CDocProfileSet expected;
    expected.currentName = u"Profile1";
    expected.AddDefaultProfile(u"Profile1");
    EXPECT_EQ(pfs, StoreToBytes([&](CArchive& ar) { expected.Serialize(ar); }));

    EXPECT_EQ(RunCommand("new", {File("x.MCS")}).code, 0);
    EXPECT_EQ(ReadFileBytes(dir / "x.MCS"), (Bytes{0, 0, 0, 0, 0, 0, 0xFF, 0xFE, 0xFF, 0}));

    const CommandResult bad = RunCommand("new", {File("x.txt")});
    EXPECT_EQ(bad.code, 2);
    EXPECT_NE(bad.err.find("usage"), std::string::npos);
    const CommandResult noFolder = RunCommand("new", {File("none/x.pfs")});
    EXPECT_EQ(noFolder.code, 1);
    EXPECT_EQ(noFolder.err, File("none/x.pfs") + " contains an invalid path.\n");
}

TEST_F(Qornctl, CheckAcceptsGoodFilesAndRejectsDamagedOnes) {
    ASSERT_EQ(RunCommand("new", {File("good.pfs")}).code, 0);
    EXPECT_EQ(RunCommand("check", {File("good.pfs")}).code, 0);

    Bytes cut = ReadFileBytes(dir / "good.pfs");
    cut.resize(cut.size() / 2);
    WriteFileBytes(dir / "cut.pfs", cut);
    const CommandResult truncated = RunCommand("check", {File("cut.pfs")});
    EXPECT_EQ(truncated.code, 1);
    EXPECT_EQ(truncated.err, "Unexpected file format.\nrecoverable profiles: 0\n");
    // Two profiles, cut inside the second: the first is recovered.
    CDocProfileSet two;
    two.AddDefaultProfile(u"A");
    two.AddDefaultProfile(u"B");
    two.currentName = u"A";
    StdFileStore files;
    FakeUserPrompt prompt;
    ASSERT_TRUE(two.OnSaveDocument(dir.File("two.pfs"), DocumentIo{files, prompt}));
    Bytes twoCut = ReadFileBytes(dir / "two.pfs");
    twoCut.resize(twoCut.size() * 3 / 4);
    WriteFileBytes(dir / "two.pfs", twoCut);
    EXPECT_EQ(RunCommand("check", {File("two.pfs")}).err, "Unexpected file format.\nrecoverable profiles: 1\n");

    const CommandResult missing = RunCommand("check", {File("gone.mcs")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err, File("gone.mcs") + " was not found.\n");

    CDocMacro nameless;
    Save(nameless, "nameless.mc");
    EXPECT_EQ(RunCommand("check", {File("nameless.mc")}).err, "Unexpected file format.\n");
    CDocMacro named;
    named.name = u"M";
    Save(named, "named.mc");
    EXPECT_EQ(RunCommand("check", {File("named.mc")}).code, 0);
}

TEST_F(Qornctl, DumpShowsEveryArchivedField) {
    CDocProfile p;
    p.ResetToDefaults();
    p.name = u"Jeu \u00e9t\u00e9";
    p.keys[0x41].kind = kKindMouse;
    p.keys[0x41].mouseInputs[0].SetMouseFlags(0x0001);
    p.keys[0x41].mouseInputs[0].Bytes()[4] = 0xFB;  // dx = -5
    for (int i = 5; i < 8; ++i) p.keys[0x41].mouseInputs[0].Bytes()[static_cast<std::size_t>(i)] = 0xFF;
    Save(p, "p.pf");
    const CommandResult r = RunCommand("dump", {File("p.pf")});
    ASSERT_EQ(r.code, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["kind"], "profile");
    EXPECT_EQ(j["name"], "Jeu \xC3\xA9t\xC3\xA9");
    EXPECT_EQ(j["brightnessLevel"], 10);
    ASSERT_EQ(j["keys"].size(), 255u);
    const auto& key = j["keys"][0x41];
    EXPECT_EQ(key["kind"], 2);
    EXPECT_EQ(key["mouseInputs"][0], nlohmann::json::parse(
        R"({"type":0,"dx":-5,"dy":0,"mouseData":0,"flags":1,"time":0,"extra":0})"));
    EXPECT_EQ(key["keyboardInputs"][1], nlohmann::json::parse(
        R"({"type":1,"vk":0,"scan":0,"flags":0,"time":0,"extra":0})"));
    EXPECT_EQ(key["shortcutInputs"].size(), 32u);
    EXPECT_EQ(j["keys"][0xC1]["name"], "M1");
    EXPECT_EQ(j["keys"][0xC1]["code"], 0xF4);

    CDocMacroSet set;
    CDocMacro m;
    m.name = u"Macro1";
    m.events.push_back(MacroEvent::Key(0x41, 0x1E, kKeyEventKeyUp, 120));
    set.Insert(m);
    set.currentName = u"Macro1";
    Save(set, "m.mcs");
    const auto ms = nlohmann::json::parse(RunCommand("dump", {File("m.mcs")}).out);
    EXPECT_EQ(ms, nlohmann::json::parse(R"({"kind":"macroSet","leadWord":0,"macros":[{"leadWord":0,"name":"Macro1",
        "events":[{"type":1,"vk":65,"scan":30,"flags":2,"delay":120}]}],"currentName":"Macro1"})"));

    ASSERT_EQ(RunCommand("new", {File("n.pfs")}).code, 0);
    const auto set2 = nlohmann::json::parse(RunCommand("dump", {File("n.pfs")}).out);
    EXPECT_EQ(set2["kind"], "profileSet");
    EXPECT_EQ(set2["currentName"], "Profile1");
    EXPECT_EQ(set2["profiles"][0]["name"], "Profile1");
}

TEST_F(Qornctl, DumpReportsUnreadableFiles) {
    WriteFileBytes(dir / "bad.mc", {0, 0, 0xFF});
    const CommandResult r = RunCommand("dump", {File("bad.mc")});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "Unexpected file format.\n");
    EXPECT_TRUE(r.out.empty());
    WriteFileBytes(dir / "empty.pfs", {});
    EXPECT_EQ(nlohmann::json::parse(RunCommand("dump", {File("empty.pfs")}).out)["profiles"].size(), 0u);
}
