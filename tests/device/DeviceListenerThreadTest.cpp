#include <gtest/gtest.h>

#include <future>
#include <mutex>

#include "support/SimulatedLink.h"

namespace {
// Collects what the listener hands over.
class ReportLog {
public:
    ReportHandover::Receiver Receiver() {
        return [this](const EventReport& r) {
            std::lock_guard lock(m_);
            reports_.push_back(r);
        };
    }
    std::vector<EventReport> Reports() const {
        std::lock_guard lock(m_);
        return reports_;
    }
    std::size_t Count() const { return Reports().size(); }

private:
    mutable std::mutex m_;
    std::vector<EventReport> reports_;
};

KeyboardReport KeyDown(uint8_t code) { return {0, 0, code}; }

class DeviceListenerThread : public ::testing::Test, public SimulatedLink {
protected:
    void SetUp() override {
        channel.SetReportReceiver(log.Receiver());
        ASSERT_TRUE(channel.Open());
        ASSERT_TRUE(WaitUntil([&] { return keyboard.PendingStatusRequests() == 1; }));
    }
    void TearDown() override { channel.SetReportReceiver({}); }

    ReportLog log;
};
}  // namespace

TEST_F(DeviceListenerThread, ReportsArriveOneByOneInOrder) {
    for (uint8_t code : {0x04, 0x05, 0x06}) ASSERT_TRUE(keyboard.QueueReport(KeyDown(code)));
    ASSERT_TRUE(WaitUntil([&] { return log.Count() == 3; }));
    const auto reports = log.Reports();
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(reports[i].length, 12);
        EXPECT_EQ(reports[i].bytes[2], 0x04 + i);
    }
}

TEST_F(DeviceListenerThread, OtherStatusWordsLeadToANewWaitWithoutFetching) {
    keyboard.ReportStatusWord(0x0001, 3);
    ASSERT_TRUE(WaitUntil([&] { return keyboard.RequestCount(IOCTL_KB_GET_STATUS) == 4; }));
    ASSERT_TRUE(WaitUntil([&] { return keyboard.PendingStatusRequests() == 1; }));
    EXPECT_EQ(keyboard.RequestCount(IOCTL_KB_GET_EVENTS), 0);
    ASSERT_TRUE(keyboard.QueueReport(KeyDown(0x04)));
    EXPECT_TRUE(WaitUntil([&] { return log.Count() == 1; }));
}

TEST_F(DeviceListenerThread, OverstatedRecordCountsAreNotBelieved) {
    keyboard.OverstateEventCount(1000);
    ASSERT_TRUE(keyboard.QueueReport(KeyDown(0x04)));
    ASSERT_TRUE(keyboard.QueueReport(KeyDown(0x05)));
    ASSERT_TRUE(WaitUntil([&] { return keyboard.RequestCount(IOCTL_KB_GET_EVENTS) >= 1; }));
    ASSERT_TRUE(WaitUntil([&] { return keyboard.PendingStatusRequests() == 1; }));
    // Whether both records came in one fetch or two, no phantom record follows.
    ASSERT_TRUE(WaitUntil([&] { return log.Count() == 2; }));
    EXPECT_EQ(log.Reports()[1].bytes[2], 0x05);
    const int fetches = keyboard.RequestCount(IOCTL_KB_GET_EVENTS);
    keyboard.OverstateEventCount(-5);
    ASSERT_TRUE(keyboard.QueueReport(KeyDown(0x06)));
    ASSERT_TRUE(WaitUntil([&] { return keyboard.RequestCount(IOCTL_KB_GET_EVENTS) > fetches; }));
    ASSERT_TRUE(WaitUntil([&] { return keyboard.PendingStatusRequests() == 1; }));
    EXPECT_EQ(log.Count(), 2u);  // a negative count yields no record
}

TEST_F(DeviceListenerThread, FailedFetchIsSkippedAndTheReportComesNextTime) {
    keyboard.FailRequests(1);
    ASSERT_TRUE(keyboard.QueueReport(KeyDown(0x04)));
    ASSERT_TRUE(WaitUntil([&] { return log.Count() == 1; }));
    EXPECT_EQ(keyboard.RequestCount(IOCTL_KB_GET_EVENTS), 2);
}

TEST_F(DeviceListenerThread, FailedStatusRequestEndsTheListenerButNotTheChannel) {
    keyboard.FailRequests(2);  // the fetch, then the next status request
    ASSERT_TRUE(keyboard.QueueReport(KeyDown(0x04)));
    ASSERT_TRUE(WaitUntil([&] { return keyboard.RequestCount(IOCTL_KB_GET_STATUS) == 2; }));
    ASSERT_TRUE(keyboard.QueueReport(KeyDown(0x05)));
    EXPECT_TRUE(channel.IsOpen());
    EXPECT_TRUE(channel.Open());  // does not restart the listener
    EXPECT_EQ(keyboard.RequestCount(IOCTL_KB_GET_STATUS), 2);
    ASSERT_TRUE(WaitUntil([&] { return log.Count() == 1; })) << "the receiver hears of the lost link, and of no report";
    EXPECT_EQ(log.Reports()[0].length, kLinkLost);
    EXPECT_FALSE(channel.IsListening());
    channel.Close();
    EXPECT_FALSE(channel.HasListener());
}

TEST_F(DeviceListenerThread, ReportsWithoutReceiverAreDropped) {
    channel.SetReportReceiver({});
    ASSERT_TRUE(keyboard.QueueReport(KeyDown(0x04)));
    ASSERT_TRUE(WaitUntil([&] { return keyboard.RequestCount(IOCTL_KB_GET_EVENTS) == 1; }));
    ASSERT_TRUE(WaitUntil([&] { return keyboard.PendingStatusRequests() == 1; }));
    channel.SetReportReceiver(log.Receiver());
    ASSERT_TRUE(keyboard.QueueReport(KeyDown(0x05)));
    ASSERT_TRUE(WaitUntil([&] { return log.Count() == 1; }));
    EXPECT_EQ(log.Reports()[0].bytes[2], 0x05);
}

TEST_F(DeviceListenerThread, CloseDoesNotWaitForABlockedHandover) {
    std::promise<void> entered;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::atomic<int> calls{0};
    channel.SetReportReceiver([&, released](const EventReport&) {
        if (calls++ == 0) entered.set_value();
        released.wait();
    });
    ASSERT_TRUE(keyboard.QueueReport(KeyDown(0x04)));
    ASSERT_TRUE(keyboard.QueueReport(KeyDown(0x05)));
    entered.get_future().wait();

    auto closing = std::async(std::launch::async, [&] { channel.Close(); });
    EXPECT_EQ(closing.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_FALSE(channel.HasListener());
    EXPECT_FALSE(keyboard.DeviceOpen());
    release.set_value();
    closing.wait();
    // Dropping the receiver waits for the hand-over under way; the stopped
    // listener hands over nothing more.
    channel.SetReportReceiver({});
    EXPECT_EQ(calls.load(), 1);
    EXPECT_TRUE(WaitUntil([&] { return keyboard.LiveHandles() == 0; }));
}

TEST_F(DeviceListenerThread, DroppingTheReceiverWaitsForTheHandoverUnderWay) {
    std::promise<void> entered;
    std::atomic<bool> finished{false};
    channel.SetReportReceiver([&](const EventReport&) {
        entered.set_value();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        finished = true;
    });
    ASSERT_TRUE(keyboard.QueueReport(KeyDown(0x04)));
    entered.get_future().wait();
    channel.SetReportReceiver({});
    EXPECT_TRUE(finished.load());
}

TEST_F(DeviceListenerThread, ReceiverMayDropItselfDuringAHandover) {
    std::atomic<int> calls{0};
    channel.SetReportReceiver([&](const EventReport&) {
        ++calls;
        channel.SetReportReceiver({});
    });
    ASSERT_TRUE(keyboard.QueueReport(KeyDown(0x04)));
    ASSERT_TRUE(WaitUntil([&] { return calls.load() == 1; }));
    ASSERT_TRUE(keyboard.QueueReport(KeyDown(0x05)));
    ASSERT_TRUE(WaitUntil([&] { return keyboard.RequestCount(IOCTL_KB_GET_EVENTS) == 2; }));
    ASSERT_TRUE(WaitUntil([&] { return keyboard.PendingStatusRequests() == 1; }));
    EXPECT_EQ(calls.load(), 1);
}
