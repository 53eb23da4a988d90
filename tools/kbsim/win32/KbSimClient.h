#pragma once
// A handle on the simulated keyboard's control device, opened beside the
// program (Wine lets a second handle open it), that speaks only the test
// requests. Every operation returns ERROR_SUCCESS or the Win32 error.
#include <windows.h>

#include <vector>

#include "kbdriver/KbSimProtocol.h"
#include "kbsim/KeyReport.h"
#include "platform/win32/UniqueHandle.h"

class KbSimClient {
public:
    // Opens the device; OpenError() says why when it could not.
    KbSimClient();

    DWORD OpenError() const { return openError_; }
    DWORD Inject(const KeyReport& report);  // ERROR_BUSY: the report queue is full
    DWORD State(KbSimState& state);
    // Every entry from sequence number `from` on; `next` gets the number
    // that the next logged entry will carry.
    DWORD ReadLog(uint32_t from, std::vector<KbSimLogEntry>& entries, uint32_t& next);
    DWORD SetFault(uint32_t mode, uint32_t count);
    DWORD ClearLog();
    // The keyboard forgets what it was told; with `failPending` the
    // program's waiting requests fail as well.
    DWORD Unplug(bool failPending);

private:
    DWORD Request(DWORD code, const void* in, DWORD inSize, void* out, DWORD outSize, DWORD* written = nullptr);

    UniqueHandle device_;
    DWORD openError_ = ERROR_SUCCESS;
};
