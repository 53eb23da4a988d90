// The start-up's background open: calls made meanwhile wait for its thread
// and reach the keyboard after it, in order. Run under ThreadSanitizer.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <optional>

#include "platform/SteadyClock.h"
#include "support/SimulatedLink.h"

namespace {
struct OpenerCase {
    bool driver;
    std::function<void(std::optional<CDeviceChannel>&)> meanwhile;
    CommandList received;
};

const OpenerCase kOpenerCases[] = {
    {true,
     [](auto& c) {
         (void)c->SendCommand(10, 2);
         c->Close();
     },
     {{4, 1}, {9, 1}, {10, 2}, {7, 0}, {4, 0}}},
    {true, [](auto& c) { c.reset(); }, {{4, 1}, {9, 1}, {7, 0}, {4, 0}}},
    {false, [](auto& c) { (void)c->SendCommand(10, 2); }, {}},
};

// A real clock: waiting for the opener joins it, which a virtual clock's
// participant must not do.
TEST(DeviceChannelOpenerThread, CallsMeanwhileWaitForTheOpenerAndFollowIt) {
    for (int round = 0; round < 30; ++round) {
        const OpenerCase& test = kOpenerCases[round % 3];
        CSteadyClock clock;
        KeyboardSimulator keyboard{clock};
        keyboard.SetDriverInstalled(test.driver);
        std::optional<CDeviceChannel> channel(std::in_place, keyboard, clock);
        std::atomic<bool> done{false};
        channel->OpenInBackground([](CDeviceChannel& c) { (void)c.SendCommand(9, 1); }, [&] { done = true; });
        test.meanwhile(channel);
        EXPECT_TRUE(done) << "round " << round;
        EXPECT_EQ(ReceivedCommands(keyboard), test.received) << "round " << round;
        EXPECT_TRUE(WaitUntil([&] { return keyboard.LiveHandles() == 0; })) << "round " << round;
    }
}
}  // namespace
