#pragma once
// Byte layouts of what passes between the application and the keyboard's
// filter driver: command packets, the control-transfer envelope that carries
// them, the key table upload and the event buffer of the listener.
// Pure functions only; the transport is the device-I/O seam.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

constexpr char16_t kDevicePath[] = u"\\\\.\\KxUSBFilterDriver002_KB";

constexpr uint32_t IOCTL_KB_GET_STATUS = 0x222A80;
constexpr uint32_t IOCTL_KB_SET_KEYTABLE = 0x222A8C;
constexpr uint32_t IOCTL_KB_GET_EVENTS = 0x222B00;
constexpr uint32_t IOCTL_KB_SET_REPORT = 0x222B04;
constexpr uint32_t IOCTL_KB_GET_REPORT = 0x222B08;

// Product id 0x011A in the low half, vendor id 0xFFFE in the high half.
constexpr uint32_t kDeviceHeader = 0xFFFE011A;

// Command numbers of the keyboard; each carries one value byte.
constexpr int kCommandPresence = 4;    // 1 application present, 0 leaving
constexpr int kCommandGaming = 7;      // gaming mode off / on
constexpr int kCommandBacklight = 9;   // backlight off / on
constexpr int kCommandEffect = 10;     // 0 static, 1 blink, 2 breath
constexpr int kCommandBrightness = 11; // device value, see BrightnessValue
constexpr int kCommandRecording = 14;  // macro recording off / on

// Reply status of a packet (byte 0).
constexpr uint8_t kStatusBusy = 1;
constexpr uint8_t kStatusDone = 2;

// Status word of IOCTL_KB_GET_STATUS meaning "reports are waiting".
constexpr uint16_t kEventsWaiting = 0x0400;

constexpr std::size_t kPacketSize = 34;
constexpr std::size_t kEnvelopeSize = 48;
constexpr std::size_t kEnvelopePacketOffset = 14;
constexpr std::size_t kUploadSize = 264;
constexpr std::size_t kEventBufferSize = 772;
constexpr std::size_t kEventRecordSize = 24;
constexpr std::size_t kMaxEventRecords = 32;
constexpr std::size_t kReportBytes = 16;   // report field of an event record
constexpr uint8_t kKeyboardReportLength = 12;

using DevicePacket = std::array<uint8_t, kPacketSize>;
using ControlTransferRequest = std::array<uint8_t, kEnvelopeSize>;
using KeyTableUpload = std::array<uint8_t, kUploadSize>;
// Entries 0..254 by device code (1 = intercepted); entry 255 is the mask of
// modifiers without an assignment.
using InterceptTable = std::array<uint8_t, 256>;
constexpr std::size_t kModifierMaskEntry = 255;

// Gaming flag bits of the upload.
constexpr uint8_t kBlockAltF4 = 0x01;
constexpr uint8_t kBlockAltTab = 0x02;

// 34 zero bytes with command (low 8 bits) and value, and the checksum over
// bytes 0..32 in byte 33.
DevicePacket BuildPacket(int command, uint8_t value);

// The envelope of one feature-report write (SET_REPORT) or read (GET_REPORT).
ControlTransferRequest BuildControlTransfer(bool write, const DevicePacket& packet);

KeyTableUpload BuildKeyTableUpload(uint8_t reserved, uint8_t gamingFlags, const InterceptTable& table);

// The table of a driver that intercepts nothing.
InterceptTable EmptyInterceptTable();

// One report of the event buffer: the record's 16 report bytes and its
// length byte (12 for a keyboard report). The listener hands over one of
// length 0 (kLinkLost) when a request of its own failed and it has ended.
struct EventReport {
    std::array<uint8_t, kReportBytes> bytes{};
    uint8_t length = 0;
};
constexpr uint8_t kLinkLost = 0;

// The records of a fetched event buffer of which `received` bytes arrived.
// The count field is trusted only as far as those bytes and the 32 records
// that fit reach; a negative count yields none.
std::vector<EventReport> ParseEventBuffer(std::span<const uint8_t> buffer, std::size_t received);
