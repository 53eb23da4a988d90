#include <gtest/gtest.h>

#include <atomic>
#include <mutex>

#include "support/SimulatedLink.h"

namespace {
// The receiver of one open-close session: checks order and that nothing
// arrives once it has been dropped.
struct Session {
    std::mutex m;
    uint32_t last = 0;
    int received = 0;
    bool outOfOrder = false;
    std::atomic<bool> dropped{false};
    std::atomic<int> afterDrop{0};

    void Receive(const EventReport& r) {
        if (dropped) ++afterDrop;
        const uint32_t seq = r.bytes[2] | r.bytes[3] << 8 | r.bytes[4] << 16 | static_cast<uint32_t>(r.bytes[5]) << 24;
        std::lock_guard lock(m);
        outOfOrder |= seq <= last;
        last = seq;
        ++received;
        // Now and then linger, so that Close meets a listener inside a hand-over.
        if (received % 7 == 0) std::this_thread::yield();
    }
};
}  // namespace

TEST(DeviceChannelStress, ReportsStreamWhileTheChannelClosesAndReopens) {
    SimulatedLink link;
    std::atomic<bool> streaming{true};
    std::thread producer([&] {
        for (uint32_t seq = 1; streaming; ++seq) {
            KeyboardReport report{};
            for (int i = 0; i < 4; ++i) report[2 + i] = static_cast<uint8_t>(seq >> (8 * i));
            link.keyboard.QueueReport(report);
            if (seq % 16 == 0) std::this_thread::yield();
        }
    });

    constexpr int kSessions = 300;
    int delivered = 0;
    uint32_t lastOfPrevious = 0;
    for (int i = 0; i < kSessions; ++i) {
        Session session;
        link.channel.SetReportReceiver([&session](const EventReport& r) { session.Receive(r); });
        ASSERT_TRUE(link.channel.Open()) << "session " << i;
        // Let a few reports through before closing, most of the time.
        if (i % 3 != 0) WaitUntil([&] {
            std::lock_guard lock(session.m);
            return session.received >= 3;
        });
        link.channel.Close();
        ASSERT_FALSE(link.channel.HasListener());
        link.channel.SetReportReceiver({});
        session.dropped = true;
        std::this_thread::yield();
        std::lock_guard lock(session.m);
        EXPECT_FALSE(session.outOfOrder) << "session " << i;
        if (session.received > 0) {
            EXPECT_GT(session.last, lastOfPrevious) << "session " << i;
        }
        lastOfPrevious = std::max(lastOfPrevious, session.last);
        delivered += session.received;
        EXPECT_EQ(session.afterDrop.load(), 0) << "session " << i;
    }
    streaming = false;
    producer.join();

    EXPECT_GT(delivered, kSessions);
    // Every listener has ended and let go of its device handle.
    EXPECT_TRUE(WaitUntil([&] { return link.keyboard.LiveHandles() == 0; }));
    EXPECT_FALSE(link.keyboard.DeviceOpen());
    EXPECT_EQ(link.keyboard.PendingStatusRequests(), 0);
}
