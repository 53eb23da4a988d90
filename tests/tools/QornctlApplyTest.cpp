#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "model/DocProfileSet.h"
#include "platform/StdFileStore.h"
#include "support/FakeUserPrompt.h"
#include "support/RunCommand.h"
#include "support/TempDir.h"

namespace {
std::vector<nlohmann::json> Lines(const std::string& text) {
    std::vector<nlohmann::json> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(nlohmann::json::parse(line));
    return lines;
}

class QornctlApply : public ::testing::Test {
protected:
    void SetUp() override {
        set.currentName = u"Profile1";
        set.AddDefaultProfile(u"Profile1");
        CDocProfile game;
        game.ResetToDefaults();
        game.name = u"Game";
        game.keys[0x41].kind = kKindKeyboard;  // A, device code 0x04
        game.keys[0xA0].kind = kKindMacro;     // L-Shift, modifier bit 0x02
        game.disableAltTab = 1;
        game.brightnessLevel = 20;
        set.Insert(game);
        ASSERT_TRUE(set.OnSaveDocument(dir.File("p.pfs"), io));
    }
    std::string File(const std::string& name) const { return (dir / name).string(); }

    TempDir dir;
    StdFileStore files;
    FakeUserPrompt prompt;
    DocumentIo io{files, prompt};
    CDocProfileSet set;
};
}  // namespace

TEST_F(QornctlApply, CurrentProfileShowsHandshakeUploadsCommandsInOrderAndFinalState) {
    const CommandResult r = RunCommand("apply", {File("p.pfs")});
    ASSERT_EQ(r.code, 0) << r.err;
    const auto lines = Lines(r.out);
    std::vector<std::pair<int, int>> commands;
    std::vector<std::size_t> commandAt;
    int uploads = 0;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i]["event"] == "upload") {
            ++uploads;
            continue;
        }
        ASSERT_EQ(lines[i]["event"], "command");
        commands.emplace_back(lines[i]["command"], lines[i]["value"]);
        commandAt.push_back(i);
    }
    EXPECT_EQ(commands, (std::vector<std::pair<int, int>>{{4, 1}, {9, 1}, {11, 56}, {10, 0}, {7, 1}, {7, 0}, {4, 0}}));
    EXPECT_EQ(uploads, 1);
    EXPECT_EQ(commandAt[0], 0u);
    EXPECT_EQ(commandAt[1], 2u);  // after the one upload of every key
    EXPECT_EQ(lines[0]["t"], 0);
    EXPECT_EQ(lines[1]["t"], 10);  // the handshake's pause

    const nlohmann::json& state = lines.back();
    EXPECT_EQ(state["event"], "state");
    EXPECT_EQ(state["present"], false);
    EXPECT_EQ(state["brightness"], 56);
    EXPECT_EQ(state["gaming"], false);
    EXPECT_TRUE(state["recording"].is_null());
    EXPECT_EQ(state["intercept"], nlohmann::json::array());
    EXPECT_EQ(state["modifierMask"], 255);
}

TEST_F(QornctlApply, NamedProfileAndBadArguments) {
    const CommandResult r = RunCommand("apply", {File("p.pfs"), "Game"});
    ASSERT_EQ(r.code, 0) << r.err;
    const nlohmann::json state = Lines(r.out).back();
    EXPECT_EQ(state["intercept"], nlohmann::json::array({4}));
    EXPECT_EQ(state["modifierMask"], 0xFD);
    EXPECT_EQ(state["gamingFlags"], 2);
    EXPECT_EQ(state["brightness"], 255);

    EXPECT_EQ(RunCommand("apply", {File("p.pfs"), "Nope"}).code, 1);
    const CommandResult missing = RunCommand("apply", {File("none.pfs")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("was not found"), std::string::npos);
    EXPECT_TRUE(missing.out.empty());
    EXPECT_EQ(RunCommand("apply", {File("p.pf")}).code, 2);
}
