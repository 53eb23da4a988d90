// The channel over the program's own Win32 device path against the simulated
// keyboard's driver: handshake, reports through the listener, a close that
// ends the listener, and a second open with a fresh listener.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

#include "device/DeviceChannel.h"
#include "device/KeyboardCommands.h"
#include "device/win32/Win32DeviceIo.h"
#include "kbsim/win32/KbSimClient.h"
#include "platform/SteadyClock.h"
#include "support/WaitUntil.h"

namespace {
class DeviceChannelDriver : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(harness_.OpenError(), DWORD(ERROR_SUCCESS)) << "driver not running in this prefix";
        ASSERT_EQ(harness_.SetFault(KBSIM_FAULT_NONE, 0), DWORD(ERROR_SUCCESS));
    }

    std::vector<KbSimLogEntry> LogSince(uint32_t from) {
        std::vector<KbSimLogEntry> log;
        uint32_t next = 0;
        EXPECT_EQ(harness_.ReadLog(from, log, next), DWORD(ERROR_SUCCESS));
        return log;
    }

    KbSimState State() {
        KbSimState s{};
        EXPECT_EQ(harness_.State(s), DWORD(ERROR_SUCCESS));
        return s;
    }

    KbSimClient harness_;
    CSteadyClock clock_;
    Win32DeviceIo io_;
};
}  // namespace

TEST_F(DeviceChannelDriver, ReportsReachTheReceiverAndCloseEndsTheListener) {
    CDeviceChannel channel(io_, clock_);
    // Earlier tests may have left reports queued, and the listener may hold
    // one read but not yet delivered: count only the key this test injects.
    std::atomic<int> received{0};
    channel.SetReportReceiver([&](const EventReport& r) {
        if (r.length == 12 && r.bytes[2] == 0x1D) ++received;
    });
    const uint32_t from = State().logNext;
    ASSERT_TRUE(channel.Open());
    EXPECT_TRUE(channel.HasListener());

    ASSERT_TRUE(WaitUntil([&] { return State().queuedReports == 0; }));
    const int before = received;
    KeyReport report{};
    report[2] = 0x1D;
    ASSERT_EQ(harness_.Inject(report), DWORD(ERROR_SUCCESS));
    ASSERT_TRUE(WaitUntil([&] { return received > before; }));

    ApplyGaming(channel, true, true, false);
    EXPECT_EQ(State().gamingFlags, kBlockAltTab);

    const auto start = std::chrono::steady_clock::now();
    channel.Close();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_FALSE(channel.HasListener());
    const auto log = LogSince(from);
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log.front().command, 4);
    EXPECT_EQ(log.front().value, 1);
    EXPECT_EQ(log[log.size() - 2].command, 7);
    EXPECT_EQ(log[log.size() - 2].value, 0);
    EXPECT_EQ(log.back().command, 4);
    EXPECT_EQ(log.back().value, 0);

    // It opens again, and the fresh listener delivers.
    ASSERT_TRUE(channel.Open());
    const int again = received;
    ASSERT_EQ(harness_.Inject(report), DWORD(ERROR_SUCCESS));
    EXPECT_TRUE(WaitUntil([&] { return received > again; }));
    channel.Close();
    channel.SetReportReceiver({});
}

TEST_F(DeviceChannelDriver, BusyKeyboardFailsTheCommandAfterFiveAttempts) {
    CDeviceChannel channel(io_, clock_);
    ASSERT_TRUE(channel.Open());
    ASSERT_EQ(harness_.SetFault(KBSIM_FAULT_BUSY, 5), DWORD(ERROR_SUCCESS));
    const uint32_t from = State().logNext;
    EXPECT_FALSE(channel.SendCommand(9, 1));
    EXPECT_EQ(LogSince(from).size(), 5u);
    EXPECT_TRUE(channel.SendCommand(9, 1));
    channel.Close();
}
