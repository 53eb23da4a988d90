#pragma once
// Request bytes of the keyboard's control device, written out from its
// layouts for tests of the simulated keyboard: the 48-byte feature-report
// envelope and the 264-byte interception table upload.
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <vector>

namespace kbbytes {

// Packet of `command` with `value` in a write (SET_REPORT) or read
// (GET_REPORT) envelope, checksum included.
inline std::vector<uint8_t> Envelope(bool write, uint8_t command, uint8_t value) {
    std::vector<uint8_t> e(48, 0);
    const uint8_t header[] = {0x1A, 0x01, 0xFE, 0xFF, 6, uint8_t(write ? 0x21 : 0xA1), uint8_t(write ? 0x09 : 0x01),
                              0,    0x00, 0x03, 0,    0, 34, 0};
    std::memcpy(e.data(), header, sizeof header);
    e[15] = command;
    e[16] = value;
    e[47] = uint8_t(command + value);
    return e;
}

// Upload with the given gaming flags, entries set to 1 and modifier mask.
inline std::vector<uint8_t> Upload(uint8_t flags, std::initializer_list<uint8_t> intercepted, uint8_t modifierMask) {
    std::vector<uint8_t> b(264, 0);
    const uint8_t header[] = {0x1A, 0x01, 0xFE, 0xFF, 1, 0, 0};
    std::memcpy(b.data(), header, sizeof header);
    b[7] = flags;
    for (uint8_t code : intercepted) b[8 + code] = 1;
    b[8 + 255] = modifierMask;
    return b;
}

}  // namespace kbbytes
