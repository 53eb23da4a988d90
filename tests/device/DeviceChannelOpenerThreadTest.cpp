// The start-up's background open: while its thread owns the channel, calls
// from the owner's thread wait for it and reach the keyboard after it, in
// order. Run under ThreadSanitizer by ./test.
#include <gtest/gtest.h>

#include <atomic>
#include <optional>

#include "device/DeviceChannel.h"
#include "device/sim/KeyboardSimulator.h"
#include "platform/SteadyClock.h"
#include "support/SimulatedLink.h"

namespace {
// A real clock: the test's thread waits for the opener by joining it, which
// a virtual clock's participant must not do.
struct SteadyLink {
    CSteadyClock clock;
    KeyboardSimulator keyboard{clock};
    CDeviceChannel channel{keyboard, clock};
    std::atomic<bool> done{false};

    void OpenWithBacklight() {
        channel.OpenInBackground(
            [](CDeviceChannel& c) {
                (void)c.SendCommand(9, 1);
                (void)c.SetKeyIntercept(0x04, false, false);
            },
            [this] { done = true; });
    }
};

TEST(DeviceChannelOpenerThread, CallsMeanwhileWaitAndFollowTheFirstUpload) {
    for (int round = 0; round < 20; ++round) {
        SteadyLink link;
        link.OpenWithBacklight();
        // Called at once, on this thread, while the opener runs.
        EXPECT_TRUE(link.channel.SendCommand(10, 2)) << "round " << round;
        EXPECT_TRUE(link.done) << "round " << round;
        EXPECT_TRUE(link.channel.IsListening());
        EXPECT_EQ(link.channel.Table()[0x04], 1);
        EXPECT_EQ(ReceivedCommands(link.keyboard), (CommandList{{4, 1}, {9, 1}, {10, 2}})) << "round " << round;
        EXPECT_EQ(UploadCount(link.keyboard), 1);
    }
}

TEST(DeviceChannelOpenerThread, CloseOrDestructionMeanwhileWaitsThenSaysGoodbye) {
    for (int round = 0; round < 20; ++round) {
        CSteadyClock clock;
        KeyboardSimulator keyboard{clock};
        std::optional<CDeviceChannel> channel(std::in_place, keyboard, clock);
        channel->OpenInBackground([](CDeviceChannel& c) { (void)c.SendCommand(9, 1); }, nullptr);
        if (round % 2 == 0)
            channel->Close();
        else
            channel.reset();
        EXPECT_EQ(ReceivedCommands(keyboard), (CommandList{{4, 1}, {9, 1}, {7, 0}, {4, 0}})) << "round " << round;
        EXPECT_TRUE(WaitUntil([&] { return keyboard.LiveHandles() == 0; }));
    }
}

TEST(DeviceChannelOpenerThread, WithoutTheDriverNothingIsSentAndTheEndIsStillSignalled) {
    SteadyLink link;
    link.keyboard.SetDriverInstalled(false);
    link.OpenWithBacklight();
    EXPECT_FALSE(link.channel.IsOpen());
    EXPECT_TRUE(link.done);
    EXPECT_FALSE(link.channel.DeviceFound());
    EXPECT_TRUE(ReceivedCommands(link.keyboard).empty());
}
}  // namespace
