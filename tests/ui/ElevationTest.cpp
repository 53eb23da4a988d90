// Programs in front that run as administrator, and the restart as
// administrator handing the keyboard over, with fakes of the system's
// integrity check and the shell (Wine enforces neither).
#include <gtest/gtest.h>

#include <set>

#include "support/SimulatedLink.h"
#include "ui/Elevation.h"

namespace {
struct FakeIntegrity final : IProcessIntegrity {
    std::set<uint32_t> above;
    bool elevated = false;
    int queries = 0;
    bool RunsAboveUs(uint32_t process) override { return ++queries, above.contains(process); }
    bool WeAreElevated() override { return elevated; }
};

struct FakeShell final : IElevatedStart {
    bool userAgrees = true;
    std::vector<std::u16string> started;
    std::vector<uint32_t> waitedFor;
    std::function<void()> onWait;
    bool StartElevated(const std::u16string& arguments) override {
        started.push_back(arguments);
        return userAgrees;
    }
    bool WaitForEnd(uint32_t process, uint32_t) override {
        waitedFor.push_back(process);
        if (onWait) onWait();
        return true;
    }
};
}  // namespace

TEST(Elevation, AProgramRunAsAdministratorInFrontBlocksAndIsAnnouncedOncePerProgram) {
    FakeIntegrity integrity;
    integrity.above = {42, 43};
    CElevationWatch watch(integrity);
    EXPECT_FALSE(watch.OnForeground(u"notepad.exe", 7, false).elevated);
    EXPECT_FALSE(watch.RestartOffered()) << "offered only once such a program was seen";
    EXPECT_FALSE(watch.OnForeground(u"game.exe", 42, false, false).balloon) << "the window is shown: no tray icon";
    const auto first = watch.OnForeground(u"game.exe", 42, false);
    EXPECT_TRUE(first.elevated && first.balloon) << "said once it can be";
    const auto again = watch.OnForeground(u"Game.EXE", 43, false);
    EXPECT_TRUE(again.elevated);
    EXPECT_FALSE(again.balloon) << "once per program and run";
    EXPECT_TRUE(watch.OnForeground(u"tool.exe", 43, false).balloon);
    EXPECT_FALSE(watch.OnForeground(u"Qorn.exe", 42, true).elevated) << "our own window receives our input";
    EXPECT_FALSE(watch.OnForeground(u"", 0, false).elevated);
    EXPECT_EQ(integrity.queries, 5) << "asked once per foreground change";
    EXPECT_TRUE(watch.RestartOffered());
    integrity.elevated = true;
    CElevationWatch elevated(integrity);
    (void)elevated.OnForeground(u"game.exe", 42, false);
    EXPECT_FALSE(elevated.RestartOffered()) << "never offered to a copy that runs as administrator";
}

TEST(Elevation, OnlyAWellFormedAfterNamesTheCopyToWaitFor) {
    EXPECT_EQ(RestartArguments(1234), u"/after 1234");
    EXPECT_EQ(PredecessorOf({u"/after", u"1234"}), 1234u);
    EXPECT_EQ(PredecessorOf({u"/profile", u"X", u"-AFTER", u"9"}), 9u);
    for (const std::vector<std::u16string>& args : std::vector<std::vector<std::u16string>>{
             {}, {u"/after"}, {u"/after", u"12x"}, {u"/after", u"0"}, {u"/after", u"99999999999"}, {u"/profile", u"1"}})
        EXPECT_EQ(PredecessorOf(args), std::nullopt);
}

TEST(Elevation, RestartHandsTheKeyboardOverOnlyWhenTheUserAgrees) {
    SimulatedLink link;
    CDeviceChannel successor(link.keyboard, link.clock);
    FakeShell shell;
    ASSERT_TRUE(link.channel.Open());
    const auto leave = [&] { link.channel.Close(); };

    shell.userAgrees = false;
    EXPECT_FALSE(RestartAsAdministrator(shell, 1234, leave));
    EXPECT_TRUE(link.channel.IsOpen()) << "a refusal changes nothing";

    shell.userAgrees = true;
    EXPECT_TRUE(RestartAsAdministrator(shell, 1234, leave));
    EXPECT_EQ(shell.started, (std::vector<std::u16string>{u"/after 1234", u"/after 1234"}));
    // The elevated copy: it waits for the old one before its handshake.
    shell.onWait = [&] { EXPECT_FALSE(link.channel.IsOpen()) << "the old copy has closed the channel"; };
    EXPECT_TRUE(AwaitPredecessor({u"/after", u"1234"}, shell));
    EXPECT_EQ(shell.waitedFor, (std::vector<uint32_t>{1234}));
    ASSERT_TRUE(successor.Open());
    EXPECT_EQ(ReceivedCommands(link.keyboard), (CommandList{{4, 1}, {7, 0}, {4, 0}, {4, 1}}))
        << "application leaving comes before the new handshake, never after";
    EXPECT_EQ(link.keyboard.State().present, true);
    EXPECT_FALSE(AwaitPredecessor({}, shell)) << "a copy started normally waits for nobody";
}
