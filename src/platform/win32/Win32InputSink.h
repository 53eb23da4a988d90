#pragma once
// SendInput one record at a time; the stored 32-bit record is converted field
// by field to the native INPUT (40 bytes on x64) at the call.
#include <windows.h>

#include "platform/IInputSink.h"

class Win32InputSink final : public IInputSink {
public:
    bool Send(const InputRecord& record) override;
    void Tap(uint16_t vk, bool up) override;

    // The native structure that Send hands to the system.
    static INPUT ToNative(const InputRecord& record);
};
