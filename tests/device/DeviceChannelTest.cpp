#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "support/SimulatedLink.h"

namespace {
class DeviceChannel : public ::testing::Test, public SimulatedLink {
protected:
    // Opens the channel, lets the listener settle in its status request (so
    // injected request failures reach the test's own requests) and forgets
    // the handshake.
    void OpenQuietly() {
        ASSERT_TRUE(channel.Open());
        ASSERT_TRUE(WaitUntil([&] { return keyboard.PendingStatusRequests() == 1; }));
        keyboard.ClearLog();
    }
};

// One command under a keyboard fault: whether it is confirmed, how long it
// takes where that matters, the attempts the keyboard received and, where
// given, what the keyboard then holds.
struct CommandCase {
    const char* name;
    std::function<void(KeyboardSimulator&)> fault;
    uint8_t command;
    uint8_t value;
    bool confirmed;
    std::optional<uint64_t> ms;
    CommandList received;
    std::function<void(const KeyboardSimulator&)> after;
};

const CommandCase kCommandCases[] = {
    {"ConfirmedTakesOneAttempt", nullptr, 9, 1, true, 10, {{9, 1}},
     [](const KeyboardSimulator& k) {
         EXPECT_EQ(k.RequestCount(IOCTL_KB_SET_REPORT), 2);  // handshake and this
         EXPECT_EQ(k.State().backlight, true);
     }},
    // Echo 0x19 for command 9.
    {"HighBitsOfTheEchoAreIgnored", [](KeyboardSimulator& k) { k.ReplyEchoHighBits(0x10); }, 9, 1, true, {},
     {{9, 1}}, nullptr},
    {"WrongValueEchoFailsWithoutRetry", [](KeyboardSimulator& k) { k.ReplyWrongEcho(1); }, 11, 56, false, {},
     {{11, 56}}, nullptr},
    {"FiveBusyRepliesFailAfterFiftyMs", [](KeyboardSimulator& k) { k.ReplyBusy(5); }, 10, 2, false, 50,
     CommandList(5, {10, 2}), nullptr},
    {"FourBusyRepliesThenDoneSucceedOnTheFifthAttempt", [](KeyboardSimulator& k) { k.ReplyBusy(4); }, 10, 2,
     true, {}, CommandList(5, {10, 2}), [](const KeyboardSimulator& k) { EXPECT_EQ(k.State().effect, 2); }},
    {"StatusZeroFailsAfterOneAttempt", [](KeyboardSimulator& k) { k.ReplyStatus(0, 1); }, 9, 0, false, 10,
     {{9, 0}}, nullptr},
    {"StatusThreeFailsAfterOneAttempt", [](KeyboardSimulator& k) { k.ReplyStatus(3, 1); }, 9, 0, false, 10,
     {{9, 0}}, nullptr},
    {"SilentKeyboardFails", [](KeyboardSimulator& k) { k.StaySilent(1); }, 9, 1, false, {}, {{9, 1}}, nullptr},
    // The failed write never arrives.
    {"FailingRequestFails", [](KeyboardSimulator& k) { k.FailRequests(1); }, 9, 1, false, {}, {}, nullptr},
    {"RemovedKeyboardFails", [](KeyboardSimulator& k) { k.Unplug(); }, 9, 1, false, {}, {}, nullptr},
};

class OneCommand : public DeviceChannel, public ::testing::WithParamInterface<CommandCase> {};
}  // namespace

TEST_F(DeviceChannel, OpenShakesHandsAndStartsTheListenerOnce) {
    EXPECT_TRUE(channel.Open());
    EXPECT_TRUE(channel.IsOpen());
    EXPECT_TRUE(channel.HasListener());
    EXPECT_EQ(keyboard.State().present, true);
    EXPECT_TRUE(channel.Open());  // already open: no second handshake
    EXPECT_EQ(ReceivedCommands(keyboard), (CommandList{{4, 1}}));
}

TEST_F(DeviceChannel, CloseSaysGoodbyeReleasesTheDeviceAndIsIdempotent) {
    OpenQuietly();
    channel.Close();
    EXPECT_FALSE(channel.IsOpen());
    EXPECT_FALSE(channel.HasListener());
    EXPECT_EQ(ReceivedCommands(keyboard), (CommandList{{7, 0}, {4, 0}}));
    EXPECT_FALSE(keyboard.DeviceOpen());
    EXPECT_EQ(keyboard.LiveHandles(), 0);
    channel.Close();
    EXPECT_EQ(ReceivedCommands(keyboard).size(), 2u);
    EXPECT_TRUE(channel.Open());  // the device can be opened again
}

TEST_F(DeviceChannel, WithoutTheDriverOpenFailsAtOnceAndStartsNoListener) {
    keyboard.SetDriverInstalled(false);
    EXPECT_FALSE(channel.Open());
    EXPECT_FALSE(channel.IsOpen());
    EXPECT_FALSE(channel.HasListener());
    EXPECT_EQ(clock.NowMs(), 0u);
    EXPECT_FALSE(channel.SendCommand(9, 1));
    EXPECT_FALSE(channel.UploadKeyTable());
    EXPECT_FALSE(channel.SetKeyIntercept(4, false, false));
    EXPECT_EQ(channel.Table()[4], 0);  // nothing changed on a closed channel
    EXPECT_TRUE(keyboard.Log().empty());
}

TEST_F(DeviceChannel, UnansweredHandshakeClosesTheDeviceAgain) {
    keyboard.ReplyStatus(3, 1);
    EXPECT_FALSE(channel.Open());
    EXPECT_FALSE(channel.IsOpen());
    EXPECT_FALSE(channel.HasListener());
    EXPECT_FALSE(keyboard.DeviceOpen());
    EXPECT_EQ(ReceivedCommands(keyboard), (CommandList{{4, 1}, {7, 0}, {4, 0}}));
}

TEST_F(DeviceChannel, CommandSixteenOrMoreIsNeverConfirmed) {
    OpenQuietly();
    EXPECT_FALSE(channel.SendCommand(16, 0));
    EXPECT_FALSE(channel.SendCommand(25, 1));  // the keyboard sees 9 and echoes 9
    EXPECT_TRUE(channel.SendCommand(9, 1));
}

TEST_P(OneCommand, IsConfirmedOnlyByTheRightEcho) {
    const CommandCase& c = GetParam();
    OpenQuietly();
    if (c.fault) c.fault(keyboard);
    const uint64_t start = clock.NowMs();
    EXPECT_EQ(channel.SendCommand(c.command, c.value), c.confirmed);
    if (c.ms) {
        EXPECT_EQ(clock.NowMs() - start, *c.ms);
    }
    EXPECT_EQ(ReceivedCommands(keyboard), c.received);
    EXPECT_TRUE(channel.IsOpen());  // a failed command never closes the channel
    if (c.after) c.after(keyboard);
}

INSTANTIATE_TEST_SUITE_P(DeviceChannel, OneCommand, ::testing::ValuesIn(kCommandCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DeviceChannel, InterceptEntriesAndModifierMask) {
    OpenQuietly();
    EXPECT_TRUE(channel.SetKeyIntercept(0x04, false, false));
    EXPECT_EQ(keyboard.State().table[4], 1);
    EXPECT_TRUE(channel.SetKeyIntercept(0x02, true, false));
    EXPECT_EQ(keyboard.State().table[255], 0xFD);
    EXPECT_TRUE(channel.SetKeyIntercept(0x40, true, false));
    EXPECT_EQ(keyboard.State().table[255], 0xBD);
    EXPECT_TRUE(channel.SetKeyIntercept(0x02, true, true));
    EXPECT_EQ(keyboard.State().table[255], 0xBF);
    EXPECT_TRUE(channel.SetKeyIntercept(0x04, false, true));
    EXPECT_EQ(keyboard.State().table[4], 0);
    EXPECT_EQ(UploadCount(keyboard), 5);  // the whole table every time
}

TEST_F(DeviceChannel, OrdinaryKeyNeverOverwritesTheModifierMask) {
    OpenQuietly();
    EXPECT_FALSE(channel.SetKeyIntercept(0xFF, false, false));
    EXPECT_EQ(channel.Table()[255], 0xFF);
    EXPECT_EQ(UploadCount(keyboard), 0);
}

TEST_F(DeviceChannel, TableAndFlagsOutliveCloseAndOnlyAnUploadSendsThem) {
    OpenQuietly();
    channel.SetGamingFlag(kBlockAltTab, true);
    channel.SetGamingFlag(kBlockAltF4, true);
    channel.SetGamingFlag(kBlockAltF4, false);
    EXPECT_EQ(keyboard.State().gamingFlags, 0);
    EXPECT_TRUE(channel.SetKeyIntercept(0x2C, false, false));
    EXPECT_EQ(keyboard.State().gamingFlags, kBlockAltTab);
    channel.Close();
    ASSERT_TRUE(channel.Open());
    EXPECT_EQ(channel.Table()[0x2C], 1);
    EXPECT_EQ(channel.GamingFlags(), kBlockAltTab);
}

TEST_F(DeviceChannel, UploadFailureIsReported) {
    OpenQuietly();
    keyboard.FailRequests(1);
    EXPECT_FALSE(channel.UploadKeyTable());
    EXPECT_TRUE(channel.UploadKeyTable());
}
