#pragma once
// What a key capture control keeps of one key message: the message's
// virtual-key code and key data (lParam) become a keyboard input record.
#include <cstdint>
#include <optional>

#include "model/InputRecord.h"

// Sets type 1, the virtual-key code, the scan code (key data bits 16-23) and
// the flags (extended bit 24, plus key-up for a release). Time and extra
// information keep their values.
void CaptureKeyMessage(InputRecord& record, bool release, uint32_t vk, uint32_t keyData);

// A key capture takes every key, Tab included; it ends when the key last
// pressed in it comes up, and the focus then moves on, so that a keyboard
// user is never trapped in it. A release of a key pressed before the
// capture began (the Tab that moved the focus there) ends nothing.
class CCaptureEnding {
public:
    void Restart() { pressed_.reset(); }
    // True when this key message (virtual-key code) ends the capture.
    bool Ends(bool release, uint32_t vk) {
        if (!release) pressed_ = vk;
        return release && pressed_ == vk;
    }

private:
    std::optional<uint32_t> pressed_;
};
