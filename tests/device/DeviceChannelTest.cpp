#include <gtest/gtest.h>

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

TEST_F(DeviceChannel, ConfirmedCommandTakesOneAttempt) {
    OpenQuietly();
    const uint64_t start = clock.NowMs();
    EXPECT_TRUE(channel.SendCommand(9, 1));
    EXPECT_EQ(clock.NowMs() - start, 10u);
    EXPECT_EQ(keyboard.RequestCount(IOCTL_KB_SET_REPORT), 2);  // handshake and this
    EXPECT_EQ(keyboard.State().backlight, true);
}

TEST_F(DeviceChannel, HighBitsOfTheEchoAreIgnored) {
    OpenQuietly();
    keyboard.ReplyEchoHighBits(0x10);  // echo 0x19 for command 9
    EXPECT_TRUE(channel.SendCommand(9, 1));
}

TEST_F(DeviceChannel, WrongValueEchoFails) {
    OpenQuietly();
    keyboard.ReplyWrongEcho(1);
    EXPECT_FALSE(channel.SendCommand(11, 56));
    EXPECT_EQ(ReceivedCommands(keyboard).size(), 1u);  // not retried
}

TEST_F(DeviceChannel, CommandSixteenOrMoreIsNeverConfirmed) {
    OpenQuietly();
    EXPECT_FALSE(channel.SendCommand(16, 0));
    EXPECT_FALSE(channel.SendCommand(25, 1));  // the keyboard sees 9 and echoes 9
    EXPECT_TRUE(channel.SendCommand(9, 1));
}

TEST_F(DeviceChannel, FiveBusyRepliesFailAfterFiftyMilliseconds) {
    OpenQuietly();
    keyboard.ReplyBusy(5);
    const uint64_t start = clock.NowMs();
    EXPECT_FALSE(channel.SendCommand(10, 2));
    EXPECT_EQ(clock.NowMs() - start, 50u);
    EXPECT_EQ(ReceivedCommands(keyboard).size(), 5u);
}

TEST_F(DeviceChannel, FourBusyRepliesThenDoneSucceedsOnTheFifthAttempt) {
    OpenQuietly();
    keyboard.ReplyBusy(4);
    EXPECT_TRUE(channel.SendCommand(10, 2));
    EXPECT_EQ(ReceivedCommands(keyboard), (CommandList(5, {10, 2})));
    EXPECT_EQ(keyboard.State().effect, 2);
}

TEST_F(DeviceChannel, StatusZeroOrThreeFailsAfterOneAttempt) {
    OpenQuietly();
    for (uint8_t status : {0, 3}) {
        keyboard.ClearLog();
        keyboard.ReplyStatus(status, 1);
        const uint64_t start = clock.NowMs();
        EXPECT_FALSE(channel.SendCommand(9, 0)) << int(status);
        EXPECT_EQ(clock.NowMs() - start, 10u);
        EXPECT_EQ(ReceivedCommands(keyboard).size(), 1u);
    }
}

TEST_F(DeviceChannel, SilentKeyboardOrFailingRequestFailsTheCommand) {
    OpenQuietly();
    keyboard.StaySilent(1);
    EXPECT_FALSE(channel.SendCommand(9, 1));
    keyboard.FailRequests(1);
    EXPECT_FALSE(channel.SendCommand(9, 1));
    EXPECT_EQ(ReceivedCommands(keyboard).size(), 1u);  // the failed write never arrived
    keyboard.Unplug();
    EXPECT_FALSE(channel.SendCommand(9, 1));
    EXPECT_TRUE(channel.IsOpen());  // removal does not close the channel
}

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
