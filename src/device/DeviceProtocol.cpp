#include "device/DeviceProtocol.h"

#include <algorithm>
#include <numeric>

namespace {
void PutLe32(uint8_t* at, uint32_t v) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(v >> (8 * i));
}

void PutLe16(uint8_t* at, uint16_t v) {
    at[0] = static_cast<uint8_t>(v);
    at[1] = static_cast<uint8_t>(v >> 8);
}
}  // namespace

DevicePacket BuildPacket(int command, uint8_t value) {
    DevicePacket p{};
    p[1] = static_cast<uint8_t>(command);
    p[2] = value;
    p[33] = static_cast<uint8_t>(std::accumulate(p.begin(), p.begin() + 33, 0u));
    return p;
}

ControlTransferRequest BuildControlTransfer(bool write, const DevicePacket& packet) {
    ControlTransferRequest e{};
    PutLe32(&e[0], kDeviceHeader);
    e[4] = 6;
    e[5] = write ? 0x21 : 0xA1;  // host-to-device or device-to-host, class, interface
    e[6] = write ? 0x09 : 0x01;  // SET_REPORT or GET_REPORT
    PutLe16(&e[8], 0x0300);      // feature report, id 0
    PutLe16(&e[10], 0);
    PutLe16(&e[12], kPacketSize);
    std::copy(packet.begin(), packet.end(), e.begin() + kEnvelopePacketOffset);
    return e;
}

KeyTableUpload BuildKeyTableUpload(uint8_t reserved, uint8_t gamingFlags, const InterceptTable& table) {
    KeyTableUpload u{};
    PutLe32(&u[0], kDeviceHeader);
    PutLe16(&u[4], 1);
    u[6] = reserved;
    u[7] = gamingFlags;
    std::copy(table.begin(), table.end(), u.begin() + 8);
    return u;
}

InterceptTable EmptyInterceptTable() {
    InterceptTable t{};
    t[kModifierMaskEntry] = 0xFF;
    return t;
}

std::vector<EventReport> ParseEventBuffer(std::span<const uint8_t> buffer, std::size_t received) {
    received = std::min(received, buffer.size());
    if (received < 4) return {};
    const int32_t count = static_cast<int32_t>(buffer[0] | buffer[1] << 8 | buffer[2] << 16 |
                                               static_cast<uint32_t>(buffer[3]) << 24);
    if (count <= 0) return {};
    const std::size_t n = std::min({static_cast<std::size_t>(count), kMaxEventRecords, (received - 4) / kEventRecordSize});
    std::vector<EventReport> reports(n);
    for (std::size_t i = 0; i < n; ++i) {
        const uint8_t* record = buffer.data() + 4 + i * kEventRecordSize;
        reports[i].length = record[7];
        std::copy(record + 8, record + 8 + kReportBytes, reports[i].bytes.begin());
    }
    return reports;
}
