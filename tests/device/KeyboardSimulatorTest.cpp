#include <gtest/gtest.h>

#include <future>

#include "device/sim/KeyboardSimulator.h"
#include "platform/VirtualClock.h"

namespace {
class KeyboardSimulatorTest : public ::testing::Test {
protected:
    // One write and one read of a command through the raw handle; returns
    // the reply packet's status, echo and value.
    std::array<uint8_t, 3> Exchange(IDeviceHandle& h, int command, uint8_t value) {
        ControlTransferRequest e = BuildControlTransfer(true, BuildPacket(command, value));
        EXPECT_TRUE(h.DeviceRequest(IOCTL_KB_SET_REPORT, e, e).ok);
        e = BuildControlTransfer(false, BuildPacket(command, value));
        EXPECT_TRUE(h.DeviceRequest(IOCTL_KB_GET_REPORT, e, e).ok);
        return {e[14], e[15], e[16]};
    }

    CVirtualClock clock;
    CVirtualClock::Participant participant{clock};
    KeyboardSimulator keyboard{clock};
};
}  // namespace

TEST_F(KeyboardSimulatorTest, DeviceOpensExclusivelyAndOnlyByItsPath) {
    EXPECT_EQ(keyboard.Open(u"\\\\.\\Other"), nullptr);
    auto h = keyboard.Open(kDevicePath);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(keyboard.Open(kDevicePath), nullptr);
    h->Close();
    EXPECT_NE(keyboard.Open(kDevicePath), nullptr);
}

TEST_F(KeyboardSimulatorTest, RepliesEchoTheLastWriteAndFaultsAreUsedUp) {
    auto h = keyboard.Open(kDevicePath);
    EXPECT_EQ(Exchange(*h, 11, 96), (std::array<uint8_t, 3>{2, 11, 96}));
    keyboard.ReplyBusy(1);
    EXPECT_EQ(Exchange(*h, 11, 96)[0], 1);
    EXPECT_EQ(Exchange(*h, 11, 96)[0], 2);
    keyboard.ReplyWrongEcho(1);
    EXPECT_EQ(Exchange(*h, 11, 96)[2], 97);
    keyboard.ReplyEchoHighBits(0x30);
    EXPECT_EQ(Exchange(*h, 9, 1), (std::array<uint8_t, 3>{2, 0x39, 1}));
    EXPECT_EQ(keyboard.State().brightness, 96);
    EXPECT_EQ(keyboard.State().backlight, true);
}

TEST_F(KeyboardSimulatorTest, MalformedEnvelopesAndUploadsAreRefused) {
    auto h = keyboard.Open(kDevicePath);
    ControlTransferRequest e = BuildControlTransfer(false, BuildPacket(9, 1));
    EXPECT_FALSE(h->DeviceRequest(IOCTL_KB_SET_REPORT, e, e).ok);  // a read's envelope
    std::array<uint8_t, 40> shortEnvelope{};
    EXPECT_FALSE(h->DeviceRequest(IOCTL_KB_GET_REPORT, shortEnvelope, e).ok);
    KeyTableUpload u = BuildKeyTableUpload(0, 3, EmptyInterceptTable());
    u[4] = 2;
    EXPECT_FALSE(h->DeviceRequest(IOCTL_KB_SET_KEYTABLE, u, {}).ok);
    EXPECT_FALSE(h->DeviceRequest(0x222000, {}, {}).ok);
    EXPECT_TRUE(keyboard.Log().empty());
    EXPECT_EQ(keyboard.State().gamingFlags, 0);
}

TEST_F(KeyboardSimulatorTest, LogCarriesTheClockTimeOfEachCommandAndUpload) {
    auto h = keyboard.Open(kDevicePath);
    Exchange(*h, 4, 1);
    clock.SleepMs(25);
    InterceptTable t = EmptyInterceptTable();
    t[0x29] = 1;
    ASSERT_TRUE(h->DeviceRequest(IOCTL_KB_SET_KEYTABLE, BuildKeyTableUpload(0, 2, t), {}).ok);
    const auto log = keyboard.Log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].timeMs, 0u);
    EXPECT_EQ(log[0].command, 4);
    EXPECT_EQ(log[1].timeMs, 25u);
    EXPECT_EQ(log[1].kind, SimulatedDeviceEvent::Kind::Upload);
    EXPECT_EQ(log[1].gamingFlags, 2);
    EXPECT_EQ(log[1].table, t);
}

TEST_F(KeyboardSimulatorTest, UnpluggedKeyboardForgetsWhatItWasToldWhileTheDriverKeepsItsTable) {
    auto h = keyboard.Open(kDevicePath);
    Exchange(*h, 7, 1);
    InterceptTable t = EmptyInterceptTable();
    t[4] = 1;
    ASSERT_TRUE(h->DeviceRequest(IOCTL_KB_SET_KEYTABLE, BuildKeyTableUpload(0, 1, t), {}).ok);
    keyboard.Unplug();
    ControlTransferRequest e = BuildControlTransfer(true, BuildPacket(9, 1));
    EXPECT_FALSE(h->DeviceRequest(IOCTL_KB_SET_REPORT, e, e).ok);
    EXPECT_FALSE(keyboard.QueueReport({}));
    EXPECT_TRUE(h->DeviceRequest(IOCTL_KB_SET_KEYTABLE, BuildKeyTableUpload(0, 1, t), {}).ok);
    keyboard.Plug();
    const SimulatedKeyboardState s = keyboard.State();
    EXPECT_TRUE(s.plugged);
    EXPECT_FALSE(s.gaming.has_value());
    EXPECT_FALSE(s.present.has_value());
    EXPECT_EQ(s.table, t);
    EXPECT_EQ(s.gamingFlags, 1);
}

TEST_F(KeyboardSimulatorTest, ConcurrentStatusRequestWaitsForReportsAndFailsOnClose) {
    auto h = keyboard.Open(kDevicePath);
    std::array<uint8_t, 2> word{};
    auto waiting = std::async(std::launch::async, [&] { return h->DeviceRequest(IOCTL_KB_GET_STATUS, {}, word); });
    while (keyboard.PendingStatusRequests() == 0) std::this_thread::yield();
    ASSERT_TRUE(keyboard.QueueReport({0, 0x02, 0x04}));
    const DeviceRequestResult r = waiting.get();
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(word[0] | word[1] << 8, kEventsWaiting);

    std::array<uint8_t, kEventBufferSize> events{};
    const DeviceRequestResult f = h->DeviceRequest(IOCTL_KB_GET_EVENTS, {}, events);
    EXPECT_EQ(f.bytes, 4 + kEventRecordSize);
    EXPECT_EQ(events[0], 1);
    EXPECT_EQ(events[4 + 7], 12);
    EXPECT_EQ(events[4 + 9], 0x02);
    EXPECT_EQ(events[4 + 10], 0x04);

    waiting = std::async(std::launch::async, [&] { return h->DeviceRequest(IOCTL_KB_GET_STATUS, {}, word); });
    while (keyboard.PendingStatusRequests() == 0) std::this_thread::yield();
    h->Close();
    EXPECT_FALSE(waiting.get().ok);
    EXPECT_FALSE(h->DeviceRequest(IOCTL_KB_GET_EVENTS, {}, events).ok);
}

TEST_F(KeyboardSimulatorTest, FetchHandsOutAtMostThirtyTwoRecords) {
    auto h = keyboard.Open(kDevicePath);
    for (int i = 0; i < 40; ++i) ASSERT_TRUE(keyboard.QueueReport({0, 0, static_cast<uint8_t>(i)}));
    std::array<uint8_t, kEventBufferSize> events{};
    EXPECT_EQ(h->DeviceRequest(IOCTL_KB_GET_EVENTS, {}, events).bytes, kEventBufferSize);
    EXPECT_EQ(events[0], 32);
    EXPECT_EQ(h->DeviceRequest(IOCTL_KB_GET_EVENTS, {}, events).bytes, 4 + 8 * kEventRecordSize);
    EXPECT_EQ(events[4 + 10], 32);  // the next record in order
}
