#include <gtest/gtest.h>

#include "device/DeviceProtocol.h"

namespace {
// Writes a 32-bit little-endian record count into an event buffer.
void PutCount(std::array<uint8_t, kEventBufferSize>& buffer, int32_t count) {
    for (int i = 0; i < 4; ++i) buffer[i] = static_cast<uint8_t>(static_cast<uint32_t>(count) >> (8 * i));
}

// Fills record i with length 12 and report bytes i+1, i+2, ...
void PutRecord(std::array<uint8_t, kEventBufferSize>& buffer, std::size_t i) {
    uint8_t* record = buffer.data() + 4 + i * kEventRecordSize;
    record[7] = 12;
    for (std::size_t b = 0; b < kReportBytes; ++b) record[8 + b] = static_cast<uint8_t>(i + 1 + b);
}
}  // namespace

TEST(DevicePacket, CommandValueAndChecksumElsewhereZero) {
    const DevicePacket p = BuildPacket(9, 1);
    DevicePacket expected{};
    expected[1] = 9;
    expected[2] = 1;
    expected[33] = 10;
    EXPECT_EQ(p, expected);
    EXPECT_EQ(BuildPacket(11, 255)[33], 10);  // 266 modulo 256
    EXPECT_EQ(BuildPacket(0x104, 0)[1], 0x04);  // low 8 bits of the command
}

TEST(DevicePacket, EnvelopeOfAWriteAndARead) {
    const DevicePacket p = BuildPacket(4, 1);
    const ControlTransferRequest w = BuildControlTransfer(true, p);
    const std::array<uint8_t, 14> writeHeader = {0x1A, 0x01, 0xFE, 0xFF, 6, 0x21, 0x09, 0, 0x00, 0x03, 0, 0, 34, 0};
    EXPECT_TRUE(std::equal(writeHeader.begin(), writeHeader.end(), w.begin()));
    EXPECT_TRUE(std::equal(p.begin(), p.end(), w.begin() + 14));

    const ControlTransferRequest r = BuildControlTransfer(false, p);
    EXPECT_EQ(r[5], 0xA1);
    EXPECT_EQ(r[6], 0x01);
    EXPECT_TRUE(std::equal(w.begin() + 7, w.end(), r.begin() + 7));
}

TEST(DevicePacket, KeyTableUploadBlock) {
    InterceptTable table = EmptyInterceptTable();
    table[4] = 1;
    const KeyTableUpload u = BuildKeyTableUpload(0, kBlockAltTab, table);
    const std::array<uint8_t, 8> header = {0x1A, 0x01, 0xFE, 0xFF, 1, 0, 0, 0x02};
    EXPECT_TRUE(std::equal(header.begin(), header.end(), u.begin()));
    EXPECT_EQ(u[8 + 4], 1);
    EXPECT_EQ(u[8 + 5], 0);
    EXPECT_EQ(u[8 + 255], 0xFF);
    EXPECT_EQ(u.size(), 264u);
}

TEST(EventBuffer, RecordsInBufferOrder) {
    std::array<uint8_t, kEventBufferSize> buffer{};
    PutCount(buffer, 3);
    for (std::size_t i = 0; i < 3; ++i) PutRecord(buffer, i);
    const auto reports = ParseEventBuffer(buffer, 4 + 3 * kEventRecordSize);
    ASSERT_EQ(reports.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(reports[i].length, 12);
        EXPECT_EQ(reports[i].bytes[0], i + 1);
        EXPECT_EQ(reports[i].bytes[15], i + 16);
    }
}

TEST(EventBuffer, CountTrustedOnlyAsFarAsBytesAndCapacityReach) {
    std::array<uint8_t, kEventBufferSize> buffer{};
    for (std::size_t i = 0; i < kMaxEventRecords; ++i) PutRecord(buffer, i);

    PutCount(buffer, 5);  // more than arrived
    EXPECT_EQ(ParseEventBuffer(buffer, 4 + 2 * kEventRecordSize + 10).size(), 2u);
    PutCount(buffer, 1000);  // more than fit
    EXPECT_EQ(ParseEventBuffer(buffer, kEventBufferSize).size(), kMaxEventRecords);
    PutCount(buffer, -1);
    EXPECT_TRUE(ParseEventBuffer(buffer, kEventBufferSize).empty());
    PutCount(buffer, 2);
    EXPECT_TRUE(ParseEventBuffer(buffer, 3).empty());  // not even a count
    // A byte count beyond the buffer is cut to the buffer.
    EXPECT_EQ(ParseEventBuffer(std::span(buffer).first(4 + kEventRecordSize), 100000).size(), 1u);
}
