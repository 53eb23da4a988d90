#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "macro/DocMacroSet.h"
#include "platform/StdFileStore.h"
#include "qornctl/ReplayJson.h"
#include "support/EnterKeyProfiles.h"
#include "support/FakeUserPrompt.h"
#include "support/RunCommand.h"
#include "support/TempDir.h"

namespace {
struct Outcome {
    int code;
    std::vector<Json> lines;
    std::string err;
};

Outcome Replay(const std::vector<std::string>& args) {
    const CommandResult r = RunCommand("replay", args);
    Outcome o{r.code, {}, r.err};
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);) o.lines.push_back(Json::parse(line));
    return o;
}

class ReplayCommand : public ::testing::Test {
protected:
    void SetUp() override {
        CDocProfileSet set = EnterKeyProfiles();
        CKeyAction& b = set.Current()->keys['B'];
        b.kind = kKindMacro;
        b.macroName = u"Hello";
        ASSERT_TRUE(set.OnSaveDocument(dir.File("p.pfs"), io));
        CDocMacroSet macros;
        CDocMacro hello;
        hello.name = u"Hello";
        hello.events = {MacroEvent::Key('H', 0x23, 0, 0), MacroEvent::Key('H', 0x23, kKeyEventKeyUp, 40)};
        macros.Insert(hello);
        ASSERT_TRUE(macros.OnSaveDocument(dir.File("m.mcs"), io));
    }
    std::string Script(const std::string& text) {
        const std::string path = (dir / "script.jsonl").string();
        std::ofstream(path) << text;
        return path;
    }
    std::string Profiles() const { return (dir / "p.pfs").string(); }

    TempDir dir;
    StdFileStore files;
    FakeUserPrompt prompt;
    DocumentIo io{files, prompt};
};

std::vector<ReplayStep> Parse(const std::string& text) {
    std::istringstream in(text);
    return ParseReplayScript(in);
}
}  // namespace

TEST_F(ReplayCommand, PrintsTheHandshakeTheProfileAndTheEnterKeyInTimeOrder) {
    const Outcome o = Replay({"--profiles", Profiles(),
                              Script("{\"t\":100,\"report\":\"00 00 28 00 00 00 00 00 00 00 00 00\"}\n"
                                     "\n"
                                     "{\"t\":150,\"report\":\"000000000000000000000000\"}\n"
                                     "{\"t\":500,\"end\":true}\n")});
    ASSERT_EQ(o.code, 0) << o.err;
    ASSERT_FALSE(o.lines.empty());
    EXPECT_EQ(o.lines.front(), Json::parse(R"({"t":0,"event":"command","command":4,"value":1})"));
    std::vector<Json> hostLines;
    for (const Json& j : o.lines)
        if (j["event"] != "command" && j["event"] != "upload") hostLines.push_back(j);
    EXPECT_EQ(hostLines, (std::vector<Json>{
                             Json::parse(R"({"t":10,"event":"profile","name":"Profile1"})"),
                             Json::parse(R"({"t":100,"event":"input","type":1,"vk":13,"scan":28,"flags":0})"),
                             Json::parse(R"({"t":130,"event":"input","type":1,"vk":13,"scan":28,"flags":2})")}));
    const Json& upload = *std::find_if(o.lines.begin(), o.lines.end(), [](const Json& j) { return j["event"] == "upload"; });
    EXPECT_TRUE(upload.contains("intercept") && upload.contains("modifierMask") && upload.contains("gamingFlags"));
}

TEST_F(ReplayCommand, PlaysMacrosOfTheMacroFile) {
    const std::string script = Script("{\"t\":100,\"report\":\"00 00 05 00 00 00 00 00 00 00 00 00\"}\n");
    std::vector<Json> inputs;
    for (const Json& j : Replay({"--profiles", Profiles(), "--macros", (dir / "m.mcs").string(), script}).lines)
        if (j["event"] == "input") inputs.push_back(j);
    EXPECT_EQ(inputs, (std::vector<Json>{Json::parse(R"({"t":100,"event":"input","type":1,"vk":72,"scan":35,"flags":0})"),
                                         Json::parse(R"({"t":140,"event":"input","type":1,"vk":72,"scan":35,"flags":2})")}));
    const Outcome without = Replay({"--profiles", Profiles(), script});
    EXPECT_EQ(without.code, 0);
    EXPECT_TRUE(std::none_of(without.lines.begin(), without.lines.end(), [](const Json& j) { return j["event"] == "input"; }));
}

TEST_F(ReplayCommand, BadInputIsAnErrorWithItsReason) {
    EXPECT_EQ(Replay({Profiles()}).code, 2);
    Outcome o = Replay({"--profiles", Profiles(), Script("{\"t\":5,\"plug\":true}\n{\"t\":4,\"unplug\":true}\n")});
    EXPECT_EQ(o.code, 1);
    EXPECT_NE(o.err.find("script line 2"), std::string::npos) << o.err;
    o = Replay({"--profiles", (dir / "missing.pfs").string(), Script("{\"t\":0,\"end\":true}\n")});
    EXPECT_EQ(o.code, 1);
    EXPECT_NE(o.err.find("missing.pfs"), std::string::npos) << o.err;
    EXPECT_TRUE(o.lines.empty());
}

TEST(ReplayScript, StepsAndTheirFaults) {
    const auto steps = Parse("{\"t\":0,\"report\":\"00 02 04 00 00 00 00 00 00 00 00 00\"}\n"
                             "{\"t\":0,\"unplug\":true}\n{\"t\":7,\"plug\":true}\n{\"t\":9,\"end\":true}\n");
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[0].report[1], 0x02);
    EXPECT_EQ(steps[0].report[2], 0x04);
    EXPECT_EQ(steps[1].kind, ReplayStep::Kind::Unplug);
    EXPECT_EQ(steps[2].kind, ReplayStep::Kind::Plug);
    EXPECT_EQ(steps[3].t, 9u);
    for (const char* bad : {"{\"t\":0,\"report\":\"00 00\"}", "{\"t\":0,\"report\":\"zz 00 00 00 00 00 00 00 00 00 00 00\"}",
                            "{\"t\":0,\"report\":\"00 00 00 00 00 00 00 00 00 00 00 00 00\"}", "{\"t\":-1,\"end\":true}",
                            "{\"report\":\"00\"}", "{\"t\":1,\"jump\":true}", "{\"t\":1,\"plug\":false}", "[1,2]", "{oops"})
        EXPECT_THROW(Parse(bad), ReplayScriptError) << bad;
}
