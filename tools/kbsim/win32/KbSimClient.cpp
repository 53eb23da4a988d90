#include "kbsim/win32/KbSimClient.h"

#include <cstring>

KbSimClient::KbSimClient()
    : device_(CreateFileW(L"\\\\.\\KxUSBFilterDriver002_KB", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          0, nullptr)) {
    if (!device_) openError_ = GetLastError();
}

DWORD KbSimClient::Request(DWORD code, const void* in, DWORD inSize, void* out, DWORD outSize, DWORD* written) {
    if (!device_) return openError_;
    DWORD bytes = 0;
    if (!DeviceIoControl(device_.Get(), code, const_cast<void*>(in), inSize, out, outSize, &bytes, nullptr))
        return GetLastError();
    if (written) *written = bytes;
    return ERROR_SUCCESS;
}

DWORD KbSimClient::Inject(const KeyReport& report) {
    return Request(IOCTL_KBSIM_INJECT, report.data(), DWORD(report.size()), nullptr, 0);
}

DWORD KbSimClient::State(KbSimState& state) {
    DWORD written = 0;
    const DWORD error = Request(IOCTL_KBSIM_GET_STATE, nullptr, 0, &state, sizeof state, &written);
    if (error == ERROR_SUCCESS && written != sizeof state) return ERROR_INVALID_DATA;
    return error;
}

DWORD KbSimClient::ReadLog(uint32_t from, std::vector<KbSimLogEntry>& entries, uint32_t& next) {
    std::vector<uint8_t> buffer(sizeof(KbSimLogHeader) + 256 * sizeof(KbSimLogEntry));
    for (;;) {
        DWORD written = 0;
        const DWORD error = Request(IOCTL_KBSIM_READ_LOG, &from, sizeof from, buffer.data(), DWORD(buffer.size()), &written);
        if (error != ERROR_SUCCESS) return error;
        KbSimLogHeader header;
        if (written < sizeof header) return ERROR_INVALID_DATA;
        std::memcpy(&header, buffer.data(), sizeof header);
        if (written != sizeof header + header.count * sizeof(KbSimLogEntry)) return ERROR_INVALID_DATA;
        const std::size_t had = entries.size();
        entries.resize(had + header.count);
        std::memcpy(entries.data() + had, buffer.data() + sizeof header, header.count * sizeof(KbSimLogEntry));
        next = header.next;
        from = header.first + header.count;
        if (header.count == 0 || from == header.next) return ERROR_SUCCESS;
    }
}

DWORD KbSimClient::SetFault(uint32_t mode, uint32_t count) {
    const KbSimFault fault{mode, count};
    return Request(IOCTL_KBSIM_SET_FAULT, &fault, sizeof fault, nullptr, 0);
}

DWORD KbSimClient::ClearLog() { return Request(IOCTL_KBSIM_CLEAR_LOG, nullptr, 0, nullptr, 0); }

DWORD KbSimClient::Unplug(bool failPending) {
    const uint32_t flags = failPending ? KBSIM_UNPLUG_FAIL_PENDING : 0;
    return Request(IOCTL_KBSIM_UNPLUG, &flags, sizeof flags, nullptr, 0);
}
