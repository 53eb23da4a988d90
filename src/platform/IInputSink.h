#pragma once
// Where synthesized input goes. Win32: SendInput with one record per call,
// the 28-byte record converted to the native structure; keybd_event for taps.
// Called from worker threads; each call must return after one send.
#include <cstdint>

#include "model/InputRecord.h"

class IInputSink {
public:
    virtual ~IInputSink() = default;
    // Sends one input record as stored; returns whether the system took it.
    virtual bool Send(const InputRecord& record) = 0;
    // Presses or releases a virtual key the way the Fn media keys do.
    virtual void Tap(uint16_t vk, bool up) = 0;
};
