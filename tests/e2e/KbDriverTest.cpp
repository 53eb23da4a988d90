// The simulated keyboard's driver under Wine, reached the way the program
// reaches it: overlapped requests on a handle opened without sharing, while a
// harness handle beside it injects reports and reads the keyboard's state.
#include <gtest/gtest.h>

#include "e2e/support/OverlappedDevice.h"
#include "kbdriver/KbModel.h"
#include "kbsim/win32/KbSimClient.h"
#include "support/KbRequestBytes.h"

namespace {

using kbbytes::Envelope;
using kbbytes::Upload;

class KbDriverTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(program_.OpenError(), DWORD(ERROR_SUCCESS)) << "driver not running in this prefix";
        ASSERT_EQ(harness_.OpenError(), DWORD(ERROR_SUCCESS));
        ASSERT_EQ(harness_.SetFault(KBSIM_FAULT_NONE, 0), DWORD(ERROR_SUCCESS));
        // Reports left by an earlier test would complete status requests at once.
        ASSERT_EQ(DrainReports(program_), DWORD(ERROR_SUCCESS));
    }
    // Later tests, whatever their order, find no key held and no report queued.
    void TearDown() override {
        EXPECT_EQ(harness_.Inject(KeyReport{}), DWORD(ERROR_SUCCESS));
        EXPECT_EQ(DrainReports(program_), DWORD(ERROR_SUCCESS));
    }

    // One command exchange as the program makes it; returns the reply's packet bytes 0..2.
    ByteVector Exchange(uint8_t command, uint8_t value) {
        ByteVector out;
        EXPECT_EQ(program_.Call(IOCTL_KB_SET_REPORT, Envelope(true, command, value), 48, &out), DWORD(ERROR_SUCCESS));
        EXPECT_EQ(out, Envelope(true, command, value));
        EXPECT_EQ(program_.Call(IOCTL_KB_GET_REPORT, Envelope(false, command, value), 48, &out), DWORD(ERROR_SUCCESS));
        return out.size() == 48 ? ByteVector(out.begin() + 14, out.begin() + 17) : ByteVector{};
    }

    KbSimState State() {
        KbSimState s{};
        EXPECT_EQ(harness_.State(s), DWORD(ERROR_SUCCESS));
        return s;
    }

    static KeyReport ReportWith(uint8_t code) {
        KeyReport r{};
        r[2] = code;
        return r;
    }

    OverlappedDevice program_;
    KbSimClient harness_;
};

TEST_F(KbDriverTest, HandshakeAndCommandsReachTheKeyboard) {
    KbSimState before = State();
    EXPECT_EQ(Exchange(4, 1), (ByteVector{2, 4, 1}));
    EXPECT_EQ(Exchange(11, 56), (ByteVector{2, 11, 56}));
    const KbSimState s = State();
    EXPECT_TRUE(s.told & KBSIM_TOLD_PRESENT);
    EXPECT_EQ(s.present, 1);
    EXPECT_EQ(s.brightness, 56);

    std::vector<KbSimLogEntry> log;
    uint32_t next = 0;
    ASSERT_EQ(harness_.ReadLog(before.logNext, log, next), DWORD(ERROR_SUCCESS));
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].command, 4);
    EXPECT_EQ(log[1].command, 11);
    EXPECT_EQ(log[1].value, 56);
    EXPECT_EQ(next, before.logNext + 2);
}

TEST_F(KbDriverTest, MalformedRequestsFailInTheProgram) {
    ByteVector bad = Envelope(true, 4, 1);
    bad[0] = 0x1B;
    EXPECT_NE(program_.Call(IOCTL_KB_SET_REPORT, bad, 48), DWORD(ERROR_SUCCESS));
    EXPECT_NE(program_.Call(IOCTL_KB_SET_REPORT, Envelope(true, 4, 1), 20), DWORD(ERROR_SUCCESS));
    EXPECT_NE(program_.Call(IOCTL_KB_SET_KEYTABLE, ByteVector(100, 0), 0), DWORD(ERROR_SUCCESS));
}

TEST_F(KbDriverTest, TableUploadIsKeptByTheDriver) {
    ASSERT_EQ(program_.Call(IOCTL_KB_SET_KEYTABLE, Upload(0x02, {0x04, 0x29}, 0xF7), 0), DWORD(ERROR_SUCCESS));
    const KbSimState s = State();
    EXPECT_EQ(s.gamingFlags, 0x02);
    EXPECT_EQ(s.table[0x04], 1);
    EXPECT_EQ(s.table[0x29], 1);
    EXPECT_EQ(s.table[0x05], 0);
    EXPECT_EQ(s.table[255], 0xF7);
}

TEST_F(KbDriverTest, FaultsShowInTheProgramsReplies) {
    ASSERT_EQ(harness_.SetFault(KBSIM_FAULT_BUSY, 1), DWORD(ERROR_SUCCESS));
    EXPECT_EQ(Exchange(7, 1)[0], 1);
    EXPECT_EQ(Exchange(7, 1)[0], 2);
    ASSERT_EQ(harness_.SetFault(KBSIM_FAULT_FAIL, 1), DWORD(ERROR_SUCCESS));
    EXPECT_NE(program_.Call(IOCTL_KB_SET_REPORT, Envelope(true, 7, 0), 48), DWORD(ERROR_SUCCESS));
    EXPECT_EQ(Exchange(7, 0), (ByteVector{2, 7, 0}));
}

TEST_F(KbDriverTest, StatusRequestWaitsForAnInjectedReport) {
    auto status = program_.Start(IOCTL_KB_GET_STATUS, {}, 2);
    EXPECT_EQ(status->Wait(100), DWORD(WAIT_TIMEOUT)) << "nothing queued: the request is held";
    ASSERT_EQ(harness_.Inject(ReportWith(0x04)), DWORD(ERROR_SUCCESS));
    ASSERT_EQ(status->Wait(5000), DWORD(ERROR_SUCCESS));
    EXPECT_EQ(status->Output(), (ByteVector{0x00, 0x04}));

    ByteVector events;
    ASSERT_EQ(program_.Call(IOCTL_KB_GET_EVENTS, {}, 772, &events), DWORD(ERROR_SUCCESS));
    ASSERT_EQ(events.size(), 4u + 24);
    EXPECT_EQ(events[0], 1);
    EXPECT_EQ(events[4 + 7], 12);
    EXPECT_EQ(events[4 + 10], 0x04);
    EXPECT_EQ(State().held[2], 0x04);
}

TEST_F(KbDriverTest, CancelIoAbortsTheHeldStatusRequest) {
    auto status = program_.Start(IOCTL_KB_GET_STATUS, {}, 2);
    ASSERT_EQ(status->Wait(50), DWORD(WAIT_TIMEOUT));
    ASSERT_TRUE(CancelIo(program_.Handle()));
    EXPECT_EQ(status->Wait(5000), DWORD(ERROR_OPERATION_ABORTED));
}

TEST_F(KbDriverTest, ClosingAHandleEndsOnlyItsOwnHeldRequests) {
    OverlappedDevice other;
    ASSERT_EQ(other.OpenError(), DWORD(ERROR_SUCCESS));
    auto mine = program_.Start(IOCTL_KB_GET_STATUS, {}, 2);
    auto theirs = other.Start(IOCTL_KB_GET_STATUS, {}, 2);
    ASSERT_EQ(theirs->Wait(50), DWORD(WAIT_TIMEOUT));

    other.Close();
    EXPECT_NE(theirs->Wait(5000), DWORD(WAIT_TIMEOUT)) << "a close with a request pending must end it";
    EXPECT_NE(theirs->Wait(0), DWORD(ERROR_SUCCESS));
    EXPECT_EQ(mine->Wait(100), DWORD(WAIT_TIMEOUT)) << "the other handle's request stays held";

    ASSERT_EQ(harness_.Inject(ReportWith(0x05)), DWORD(ERROR_SUCCESS));
    ASSERT_EQ(mine->Wait(5000), DWORD(ERROR_SUCCESS));
    EXPECT_EQ(mine->Output(), (ByteVector{0x00, 0x04}));
}

}  // namespace
