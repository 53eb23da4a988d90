// The simulated keyboard's request logic, through the same calls the driver
// makes, with golden bytes written out from the device contract.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <memory>
#include <vector>

#include "kbdriver/KbModel.h"
#include "support/KbRequestBytes.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Feature-report envelope for command 9 with value 1, written out byte by byte.
const Bytes kWriteCmd9Val1 = {
    0x1A, 0x01, 0xFE, 0xFF, 0x06, 0x21, 0x09, 0x00, 0x00, 0x03, 0x00, 0x00, 0x22, 0x00,  // header
    0x00, 0x09, 0x01, 0x00, 0,    0,    0,    0,    0,    0,    0,    0,    0,    0,     // packet 0..13
    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,     // packet 14..27
    0,    0,    0,    0,    0,    0x0A};                                                   // 28..32, checksum

using kbbytes::Envelope;
using kbbytes::Upload;

struct Reply {
    KbResult result;
    Bytes out;
};

class KbModelTest : public ::testing::Test {
protected:
    KbModelTest() : model_(std::make_unique<KbModel>()) { KbModelInit(model_.get()); }

    Reply Request(uint32_t code, const Bytes& in, std::size_t outLen = 0, uint32_t nowMs = 0) {
        // One buffer for input and output, as the buffered method hands it over.
        Bytes buffer(std::max(in.size(), outLen) + 1, 0xCC);
        std::copy(in.begin(), in.end(), buffer.begin());
        std::size_t written = 99;
        const KbResult r = KbModelRequest(model_.get(), code, buffer.data(), in.size(), buffer.data(), outLen,
                                          &written, nowMs);
        buffer.resize(written);
        return {r, buffer};
    }

    // One command exchange as the program makes it: write, then read.
    uint8_t Exchange(uint8_t command, uint8_t value) {
        EXPECT_EQ(Request(IOCTL_KB_SET_REPORT, Envelope(true, command, value), 48).result, KB_DONE);
        const Reply r = Request(IOCTL_KB_GET_REPORT, Envelope(false, command, value), 48);
        EXPECT_EQ(r.result, KB_DONE);
        return r.out.size() == 48 ? r.out[14] : 0xEE;
    }

    void SetFault(uint32_t mode, uint32_t count) {
        const KbSimFault f{mode, count};
        const auto* p = reinterpret_cast<const uint8_t*>(&f);
        ASSERT_EQ(Request(IOCTL_KBSIM_SET_FAULT, Bytes(p, p + sizeof f)).result, KB_DONE);
    }

    KbSimState State() {
        const Reply r = Request(IOCTL_KBSIM_GET_STATE, {}, sizeof(KbSimState));
        EXPECT_EQ(r.result, KB_DONE);
        KbSimState s{};
        std::memcpy(&s, r.out.data(), std::min(r.out.size(), sizeof s));
        return s;
    }

    std::vector<KbSimLogEntry> Log(uint32_t from, std::size_t room = 64, KbSimLogHeader* header = nullptr) {
        const auto* p = reinterpret_cast<const uint8_t*>(&from);
        const Reply r = Request(IOCTL_KBSIM_READ_LOG, Bytes(p, p + 4), sizeof(KbSimLogHeader) + room * sizeof(KbSimLogEntry));
        EXPECT_EQ(r.result, KB_DONE);
        KbSimLogHeader h{};
        std::memcpy(&h, r.out.data(), sizeof h);
        if (header) *header = h;
        std::vector<KbSimLogEntry> entries(h.count);
        if (h.count) std::memcpy(entries.data(), r.out.data() + sizeof h, h.count * sizeof(KbSimLogEntry));
        return entries;
    }

    KbResult Inject(uint8_t modifiers, uint8_t code) {
        Bytes report(KBSIM_REPORT_SIZE, 0);
        report[1] = modifiers;
        report[2] = code;
        return Request(IOCTL_KBSIM_INJECT, report).result;
    }

    std::unique_ptr<KbModel> model_;
};

TEST_F(KbModelTest, WriteEchoesTheEnvelopeAndReadConfirmsCommand) {
    EXPECT_EQ(Envelope(true, 9, 1), kWriteCmd9Val1);
    const Reply write = Request(IOCTL_KB_SET_REPORT, kWriteCmd9Val1, 48, 1234);
    ASSERT_EQ(write.result, KB_DONE);
    EXPECT_EQ(write.out, kWriteCmd9Val1);
    EXPECT_EQ(State().told, 0) << "a write alone does not change the keyboard";
    EXPECT_EQ(Log(0).at(0).taken, 0) << "nor is it taken";

    Bytes expected = Envelope(false, 0, 0);
    expected[14] = 2;
    expected[15] = 9;
    expected[16] = 1;
    const Reply read = Request(IOCTL_KB_GET_REPORT, Envelope(false, 0, 0), 48);
    ASSERT_EQ(read.result, KB_DONE);
    EXPECT_EQ(read.out, expected) << "status and echoes at bytes 14..16, the rest as sent";

    const KbSimState s = State();
    EXPECT_EQ(s.told, KBSIM_TOLD_BACKLIGHT);
    EXPECT_EQ(s.backlight, 1);
    const auto log = Log(0);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].kind, KBSIM_LOG_COMMAND);
    EXPECT_EQ(log[0].command, 9);
    EXPECT_EQ(log[0].value, 1);
    EXPECT_EQ(log[0].timeMs, 1234u);
    EXPECT_EQ(log[0].taken, 1) << "the read reply took it";
}

TEST_F(KbModelTest, EveryCommandLandsInItsOwnStateField) {
    const std::array<std::pair<uint8_t, uint8_t>, 7> commands{{{4, 1}, {7, 1}, {9, 0}, {10, 2}, {11, 56}, {14, 1}, {3, 5}}};
    for (auto [c, v] : commands) EXPECT_EQ(Exchange(c, v), 2) << "command " << int(c);
    const KbSimState s = State();
    EXPECT_EQ(s.present, 1);
    EXPECT_EQ(s.gaming, 1);
    EXPECT_EQ(s.backlight, 0);
    EXPECT_EQ(s.effect, 2);
    EXPECT_EQ(s.brightness, 56);
    EXPECT_EQ(s.recording, 1);
    EXPECT_EQ(s.told, KBSIM_TOLD_PRESENT | KBSIM_TOLD_GAMING | KBSIM_TOLD_BACKLIGHT | KBSIM_TOLD_EFFECT |
                          KBSIM_TOLD_BRIGHTNESS | KBSIM_TOLD_RECORDING);
    EXPECT_EQ(Log(0).size(), commands.size());
}

TEST_F(KbModelTest, MalformedFeatureReportsAreRefusedAndNotLogged) {
    Bytes badHeader = kWriteCmd9Val1;
    badHeader[3] = 0xFE;
    EXPECT_EQ(Request(IOCTL_KB_SET_REPORT, badHeader, 48).result, KB_INVALID);
    EXPECT_EQ(Request(IOCTL_KB_SET_REPORT, Envelope(false, 9, 1), 48).result, KB_INVALID) << "read envelope on write";
    EXPECT_EQ(Request(IOCTL_KB_GET_REPORT, Envelope(true, 9, 1), 48).result, KB_INVALID) << "write envelope on read";
    Bytes wrongLength = kWriteCmd9Val1;
    wrongLength[12] = 33;
    EXPECT_EQ(Request(IOCTL_KB_SET_REPORT, wrongLength, 48).result, KB_INVALID);
    EXPECT_EQ(Request(IOCTL_KB_SET_REPORT, Bytes(kWriteCmd9Val1.begin(), kWriteCmd9Val1.end() - 1), 48).result,
              KB_INVALID);
    EXPECT_EQ(Request(IOCTL_KB_SET_REPORT, kWriteCmd9Val1, 47).result, KB_TOO_SMALL);
    EXPECT_EQ(Request(0x222B0C, kWriteCmd9Val1, 48).result, KB_UNKNOWN);
    EXPECT_TRUE(Log(0).empty());
}

TEST_F(KbModelTest, ReadWithoutWriteAnswersStatusZero) {
    const Reply r = Request(IOCTL_KB_GET_REPORT, Envelope(false, 4, 1), 48);
    ASSERT_EQ(r.result, KB_DONE);
    EXPECT_EQ(r.out[14], 0);
    EXPECT_EQ(Exchange(4, 1), 2);
    EXPECT_EQ(Request(IOCTL_KB_GET_REPORT, Envelope(false, 4, 1), 48).out[14], 0) << "a reply is given once";
}

TEST_F(KbModelTest, BusyFaultAnswersStatusOneThenConfirmsTheRetry) {
    SetFault(KBSIM_FAULT_BUSY, 2);
    EXPECT_EQ(Exchange(7, 1), 1);
    EXPECT_EQ(State().told, 0);
    // The retry writes the packet as it stands after the reply: status 1, echoes, stale checksum.
    Bytes retry = Envelope(true, 7, 1);
    retry[14] = 1;
    EXPECT_EQ(Request(IOCTL_KB_SET_REPORT, retry, 48).result, KB_DONE);
    EXPECT_EQ(Request(IOCTL_KB_GET_REPORT, Envelope(false, 7, 1), 48).out[14], 1);
    EXPECT_EQ(Exchange(7, 1), 2);
    EXPECT_EQ(State().gaming, 1);
    EXPECT_EQ(State().faultMode, uint32_t(KBSIM_FAULT_NONE)) << "the fault is used up";
    const auto log = Log(0);
    ASSERT_EQ(log.size(), 3u) << "every write the keyboard received is logged";
    EXPECT_EQ(log[0].taken + log[1].taken + log[2].taken, 1) << "only the confirmed one is taken";
}

TEST_F(KbModelTest, WrongEchoAndSilenceLeaveTheKeyboardUntold) {
    SetFault(KBSIM_FAULT_WRONG_ECHO, 1);
    EXPECT_EQ(Request(IOCTL_KB_SET_REPORT, Envelope(true, 11, 56), 48).result, KB_DONE);
    const Reply wrong = Request(IOCTL_KB_GET_REPORT, Envelope(false, 11, 56), 48);
    EXPECT_EQ(wrong.out[14], 2);
    EXPECT_EQ(wrong.out[15], 11);
    EXPECT_NE(wrong.out[16], 56);

    SetFault(KBSIM_FAULT_SILENT, KBSIM_FAULT_ALWAYS);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Exchange(11, 56), 0);
    EXPECT_EQ(State().faultMode, uint32_t(KBSIM_FAULT_SILENT)) << "always stays until set again";
    EXPECT_EQ(State().told, 0);
    SetFault(KBSIM_FAULT_NONE, 0);
    EXPECT_EQ(Exchange(11, 56), 2);
    EXPECT_EQ(State().brightness, 56);
}

TEST_F(KbModelTest, FailFaultFailsRequestsWithoutReachingTheKeyboard) {
    SetFault(KBSIM_FAULT_FAIL, 2);
    EXPECT_EQ(Request(IOCTL_KB_SET_REPORT, Envelope(true, 4, 1), 48).result, KB_FAILED);
    EXPECT_EQ(Request(IOCTL_KB_SET_KEYTABLE, Upload(0, {}, 0xFF)).result, KB_FAILED);
    EXPECT_TRUE(Log(0).empty());
    EXPECT_EQ(Exchange(4, 1), 2);
    EXPECT_EQ(Request(IOCTL_KB_SET_KEYTABLE, Upload(0, {}, 0xFF)).result, KB_DONE);
    Bytes unknownMode(sizeof(KbSimFault), 0);
    unknownMode[0] = 5;
    unknownMode[4] = 1;
    EXPECT_EQ(Request(IOCTL_KBSIM_SET_FAULT, unknownMode).result, KB_INVALID);
}

TEST_F(KbModelTest, TableUploadIsStoredAndLogged) {
    const Reply r = Request(IOCTL_KB_SET_KEYTABLE, Upload(0x03, {0x04, 0xF4}, 0xFD), 0, 77);
    ASSERT_EQ(r.result, KB_DONE);
    EXPECT_TRUE(r.out.empty());
    const KbSimState s = State();
    EXPECT_EQ(s.told, KBSIM_TOLD_TABLE);
    EXPECT_EQ(s.gamingFlags, 0x03);
    EXPECT_EQ(s.table[0x04], 1);
    EXPECT_EQ(s.table[0xF4], 1);
    EXPECT_EQ(s.table[0x05], 0);
    EXPECT_EQ(s.table[255], 0xFD);

    const auto log = Log(0);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].kind, KBSIM_LOG_UPLOAD);
    EXPECT_EQ(log[0].timeMs, 77u);
    EXPECT_EQ(log[0].gamingFlags, 0x03);
    EXPECT_EQ(log[0].modifierMask, 0xFD);
    std::array<uint8_t, 32> bits{};
    bits[0] = 0x10;  // entry 4
    bits[30] = 0x10; // entry 0xF4
    EXPECT_TRUE(std::equal(bits.begin(), bits.end(), log[0].intercept));

    Bytes badVersion = Upload(0, {}, 0xFF);
    badVersion[4] = 2;
    EXPECT_EQ(Request(IOCTL_KB_SET_KEYTABLE, badVersion).result, KB_INVALID);
    EXPECT_EQ(Request(IOCTL_KB_SET_KEYTABLE, Bytes(263, 0)).result, KB_INVALID);
    EXPECT_EQ(Log(0).size(), 1u);
}

TEST_F(KbModelTest, StatusRequestWaitsUntilAReportIsQueued) {
    EXPECT_EQ(Request(IOCTL_KB_GET_STATUS, {}, 2).result, KB_PENDING);
    EXPECT_EQ(Request(IOCTL_KB_GET_STATUS, {}, 1).result, KB_TOO_SMALL);
    ASSERT_EQ(Inject(0x02, 0x04), KB_DONE);
    EXPECT_TRUE(KbModelReportsWaiting(model_.get()));
    const Reply r = Request(IOCTL_KB_GET_STATUS, {}, 2);
    ASSERT_EQ(r.result, KB_DONE);
    EXPECT_EQ(r.out, (Bytes{0x00, 0x04}));

    const Reply events = Request(IOCTL_KB_GET_EVENTS, {}, 772);
    ASSERT_EQ(events.result, KB_DONE);
    Bytes expected(4 + 24, 0);
    expected[0] = 1;
    expected[4 + 7] = 12;
    expected[4 + 9] = 0x02;
    expected[4 + 10] = 0x04;
    EXPECT_EQ(events.out, expected);
    EXPECT_EQ(Request(IOCTL_KB_GET_STATUS, {}, 2).result, KB_PENDING) << "fetched reports are gone";
    EXPECT_EQ(State().held[2], 0x04) << "the last injected report stays as the held keys";
}

TEST_F(KbModelTest, EventFetchReturnsAtMost32RecordsInOrder) {
    for (int i = 0; i < 40; ++i) ASSERT_EQ(Inject(0, uint8_t(i + 1)), KB_DONE);
    Reply first = Request(IOCTL_KB_GET_EVENTS, {}, 772);
    ASSERT_EQ(first.out.size(), 772u);
    EXPECT_EQ(first.out[0], 32);
    for (int i = 0; i < 32; ++i) EXPECT_EQ(first.out[4 + i * 24 + 10], i + 1);

    const Reply small = Request(IOCTL_KB_GET_EVENTS, {}, 4 + 2 * 24 + 23);
    ASSERT_EQ(small.out.size(), 4u + 2 * 24) << "only whole records that fit";
    EXPECT_EQ(small.out[0], 2);
    EXPECT_EQ(small.out[4 + 10], 33);

    const Reply rest = Request(IOCTL_KB_GET_EVENTS, {}, 772);
    EXPECT_EQ(rest.out[0], 6);
    EXPECT_EQ(rest.out[4 + 5 * 24 + 10], 40);
    EXPECT_EQ(Request(IOCTL_KB_GET_EVENTS, {}, 772).out, (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(Request(IOCTL_KB_GET_EVENTS, {}, 3).result, KB_TOO_SMALL);
}

TEST_F(KbModelTest, FullQueueRefusesReportsUntilFetched) {
    for (int i = 0; i < KBSIM_QUEUE_CAPACITY; ++i) ASSERT_EQ(Inject(0, 4), KB_DONE);
    EXPECT_EQ(Inject(0, 5), KB_QUEUE_FULL);
    EXPECT_EQ(Request(IOCTL_KBSIM_INJECT, Bytes(11, 0)).result, KB_INVALID);
    Request(IOCTL_KB_GET_EVENTS, {}, 772);
    EXPECT_EQ(Inject(0, 5), KB_DONE);
    EXPECT_EQ(State().queuedReports, uint32_t(KBSIM_QUEUE_CAPACITY - 32 + 1));
}

TEST_F(KbModelTest, LogKeepsTheNewestEntriesAndReadsFromASequenceNumber) {
    const int total = KBSIM_LOG_CAPACITY + 10;
    for (int i = 0; i < total; ++i)
        ASSERT_EQ(Request(IOCTL_KB_SET_REPORT, Envelope(true, 11, uint8_t(i)), 48).result, KB_DONE);
    KbSimLogHeader h{};
    auto entries = Log(0, 4, &h);
    EXPECT_EQ(h.first, 10u) << "the oldest ten were overwritten";
    EXPECT_EQ(h.next, uint32_t(total));
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].value, 10);

    entries = Log(total - 2, 64, &h);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].value, uint8_t(total - 1));
    EXPECT_TRUE(Log(total + 5, 64, &h).empty());
    EXPECT_EQ(h.first, uint32_t(total)) << "reading past the end starts at the end";

    ASSERT_EQ(Request(IOCTL_KBSIM_CLEAR_LOG, {}).result, KB_DONE);
    EXPECT_TRUE(Log(0, 64, &h).empty());
    EXPECT_EQ(Exchange(4, 1), 2);
    entries = Log(0, 64, &h);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(h.first, uint32_t(total)) << "numbers keep counting after a clear";
    EXPECT_EQ(Request(IOCTL_KBSIM_READ_LOG, {}, 64).result, KB_INVALID);
}


TEST_F(KbModelTest, UnplugForgetsWhatTheKeyboardWasToldButKeepsLogAndFault) {
    EXPECT_EQ(Exchange(9, 1), 2);
    ASSERT_EQ(Request(IOCTL_KB_SET_KEYTABLE, Upload(0x03, {0x04}, 0xFD)).result, KB_DONE);
    ASSERT_EQ(Inject(0x02, 0x04), KB_DONE);
    SetFault(KBSIM_FAULT_BUSY, 5);
    ASSERT_EQ(Request(IOCTL_KBSIM_UNPLUG, Bytes(4, 0)).result, KB_DONE);
    KbSimState blank{};
    blank.faultMode = KBSIM_FAULT_BUSY;
    blank.faultCount = 5;
    blank.logNext = 2;
    const KbSimState s = State();
    EXPECT_EQ(std::memcmp(&s, &blank, sizeof s), 0) << "settings, table, held keys and queue are gone";
}

}  // namespace
