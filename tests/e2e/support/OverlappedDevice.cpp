#include "e2e/support/OverlappedDevice.h"

#include "kbdriver/KbModel.h"

OverlappedRequest::OverlappedRequest(HANDLE device, DWORD code, const ByteVector& in, DWORD outSize)
    : device_(device), event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)), in_(in), out_(outSize) {
    overlapped_.hEvent = event_.Get();
    DWORD bytes = 0;
    if (DeviceIoControl(device, code, in_.empty() ? nullptr : in_.data(), DWORD(in_.size()),
                        out_.empty() ? nullptr : out_.data(), outSize, &bytes, &overlapped_)) {
        out_.resize(bytes);
    } else if (GetLastError() == ERROR_IO_PENDING) {
        running_ = true;
    } else {
        result_ = GetLastError();
    }
}

OverlappedRequest::~OverlappedRequest() {
    if (!running_) return;
    CancelIoEx(device_, &overlapped_);
    WaitForSingleObject(event_.Get(), 5000);
}

DWORD OverlappedRequest::Wait(DWORD timeoutMs) {
    if (!running_) return result_;
    if (WaitForSingleObject(event_.Get(), timeoutMs) == WAIT_TIMEOUT) return WAIT_TIMEOUT;
    running_ = false;
    DWORD bytes = 0;
    if (GetOverlappedResult(device_, &overlapped_, &bytes, FALSE)) {
        out_.resize(bytes);
        result_ = ERROR_SUCCESS;
    } else {
        result_ = GetLastError();
    }
    return result_;
}

OverlappedDevice::OverlappedDevice()
    : device_(CreateFileW(L"\\\\.\\KxUSBFilterDriver002_KB", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          FILE_FLAG_OVERLAPPED, nullptr)) {
    if (!device_) openError_ = GetLastError();
}

std::unique_ptr<OverlappedRequest> OverlappedDevice::Start(DWORD code, const ByteVector& in, DWORD outSize) const {
    return std::make_unique<OverlappedRequest>(device_.Get(), code, in, outSize);
}

DWORD OverlappedDevice::Call(DWORD code, const ByteVector& in, DWORD outSize, ByteVector* out) const {
    OverlappedRequest request(device_.Get(), code, in, outSize);
    const DWORD result = request.Wait(10000);
    if (out) *out = request.Output();
    return result;
}

DWORD DrainReports(const OverlappedDevice& device) {
    ByteVector events;
    do {
        if (const DWORD error = device.Call(IOCTL_KB_GET_EVENTS, {}, 4 + KB_MAX_RECORDS * KB_RECORD_SIZE, &events))
            return error;
    } while (events.size() > 4);
    return ERROR_SUCCESS;
}
