#pragma once
// The keyboard and its filter driver in software, behind the device-I/O
// seam: answers feature-report writes and reads, keeps the interception table
// and gaming flags of uploads and what the keyboard was told, holds a status
// request pending until reports are queued and hands them out through the
// event fetch. Faults, plugging and unplugging are driven by the test or
// tool that owns it; every command and upload it receives is logged with the
// clock's time.
//
// Rules it plays by: one open handle at a time (the device is opened
// exclusively); closing a handle fails its pending requests; while the
// keyboard is unplugged feature-report requests fail, the driver keeps its
// table and waiting status requests stay pending; plugging the keyboard in
// again starts it afresh, knowing nothing it was told.
//
// Threads: every member may be called from any thread.
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "device/DeviceProtocol.h"
#include "platform/IDeviceIo.h"

class IClock;

using KeyboardReport = std::array<uint8_t, kKeyboardReportLength>;

// What the keyboard was told last (empty: not since it was plugged in) and
// what the driver holds.
struct SimulatedKeyboardState {
    bool plugged = true;
    std::optional<bool> present;
    std::optional<bool> backlight;
    std::optional<uint8_t> effect;
    std::optional<uint8_t> brightness;
    std::optional<bool> gaming;
    std::optional<bool> recording;
    uint8_t gamingFlags = 0;
    InterceptTable table = EmptyInterceptTable();
};

// One thing the application sent that the keyboard or driver received.
struct SimulatedDeviceEvent {
    enum class Kind { Command, Upload };
    uint64_t timeMs = 0;
    Kind kind = Kind::Command;
    uint8_t command = 0;  // Command: the command number (low four bits)
    uint8_t value = 0;    // Command
    uint8_t gamingFlags = 0;                       // Upload
    InterceptTable table = EmptyInterceptTable();  // Upload
};

class KeyboardSimulator final : public IDeviceIo {
public:
    explicit KeyboardSimulator(const IClock& clock);
    ~KeyboardSimulator() override;
    KeyboardSimulator(const KeyboardSimulator&) = delete;
    KeyboardSimulator& operator=(const KeyboardSimulator&) = delete;

    std::shared_ptr<IDeviceHandle> Open(std::u16string_view path) override;

    // Without the driver, Open finds no device.
    void SetDriverInstalled(bool installed);
    void Plug();
    void Unplug();

    // Queues a keyboard report (length 12) or any event record; false, and
    // nothing queued, while the keyboard is unplugged.
    bool QueueReport(const KeyboardReport& report);
    bool QueueRecord(const EventReport& record);

    // Faults. Each counted fault applies to the next n replies or requests.
    void ReplyBusy(int n);                     // status 1
    void ReplyStatus(uint8_t status, int n);   // any other status
    void ReplyWrongEcho(int n);                // value echo off by one
    void ReplyEchoHighBits(uint8_t highBits);  // high nibble of every command echo
    void StaySilent(int n);                    // reads return the packet as sent
    void FailRequests(int n);                  // requests of every kind fail
    void ReportStatusWord(uint16_t word, int n);  // completes status requests with it
    void OverstateEventCount(int32_t count);   // the next fetch claims this many

    SimulatedKeyboardState State() const;
    std::vector<SimulatedDeviceEvent> Log() const;
    void ClearLog();

    // Whether a handle is open, and how many handle objects anyone still holds.
    bool DeviceOpen() const;
    int LiveHandles() const;
    // Requests received with this control code, failed ones included.
    int RequestCount(uint32_t code) const;
    // Status requests waiting for reports.
    int PendingStatusRequests() const;

    struct Core;

private:
    std::shared_ptr<Core> core_;
};
