#pragma once
// The keyboard driver's control device: opened by path, then driven with
// blocking control requests. Win32: CreateFileW (overlapped, exclusive),
// DeviceIoControl with one OVERLAPPED and event per request,
// GetOverlappedResult, CancelIoEx and CloseHandle.
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

struct DeviceRequestResult {
    bool ok = false;
    uint32_t bytes = 0;  // bytes written to the output buffer; 0 on failure
};

// One open control device. Shared by the channel and its listener thread,
// so every member may be called from several threads at once.
class IDeviceHandle {
public:
    virtual ~IDeviceHandle() = default;

    // One request, blocking until the device completes or fails it. Input and
    // output may be the same bytes: the input is taken before output is written.
    virtual DeviceRequestResult DeviceRequest(uint32_t code, std::span<const uint8_t> in, std::span<uint8_t> out) = 0;

    // Fails every outstanding request, makes every later one fail at once,
    // waits for the requests in flight to return and releases the device, so
    // it can be opened again. Idempotent; the destructor does it too.
    virtual void Close() = 0;
};

class IDeviceIo {
public:
    virtual ~IDeviceIo() = default;
    // Opens the device exclusively for reading and writing; null when it is
    // missing or already open.
    virtual std::shared_ptr<IDeviceHandle> Open(std::u16string_view path) = 0;
};
