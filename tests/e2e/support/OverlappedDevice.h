#pragma once
// The keyboard's control device opened the way the program opens it: no
// sharing, overlapped, and one event and OVERLAPPED record per request.
#include <windows.h>

#include <memory>
#include <vector>

#include "platform/win32/UniqueHandle.h"

using ByteVector = std::vector<uint8_t>;

// One request in flight. Its OVERLAPPED record must not move, so it lives on
// the heap; destroying it cancels the request if it still runs and waits.
class OverlappedRequest {
public:
    OverlappedRequest(HANDLE device, DWORD code, const ByteVector& in, DWORD outSize);
    ~OverlappedRequest();
    OverlappedRequest(const OverlappedRequest&) = delete;
    OverlappedRequest& operator=(const OverlappedRequest&) = delete;

    // WAIT_TIMEOUT while still running; else ERROR_SUCCESS or the error.
    DWORD Wait(DWORD timeoutMs);
    const ByteVector& Output() const { return out_; }

private:
    HANDLE device_;
    UniqueHandle event_;
    OVERLAPPED overlapped_{};
    ByteVector in_;
    ByteVector out_;
    bool running_ = false;
    DWORD result_ = ERROR_SUCCESS;
};

class OverlappedDevice {
public:
    OverlappedDevice();
    DWORD OpenError() const { return openError_; }
    HANDLE Handle() const { return device_.Get(); }

    std::unique_ptr<OverlappedRequest> Start(DWORD code, const ByteVector& in, DWORD outSize) const;
    // Starts one request and waits for it; `out` gets its output.
    DWORD Call(DWORD code, const ByteVector& in, DWORD outSize, ByteVector* out = nullptr) const;
    void Close() { device_.Reset(); }

private:
    UniqueHandle device_;
    DWORD openError_ = ERROR_SUCCESS;
};

// Fetches and drops every report the driver holds, so that a test starts
// without what an earlier one left queued.
DWORD DrainReports(const OverlappedDevice& device);
