#pragma once
// What a key capture control keeps of one key message: the message's
// virtual-key code and key data (lParam) become a keyboard input record.
#include <cstdint>

#include "model/InputRecord.h"

// Sets type 1, the virtual-key code, the scan code (key data bits 16-23) and
// the flags (extended bit 24, plus key-up for a release). Time and extra
// information keep their values.
void CaptureKeyMessage(InputRecord& record, bool release, uint32_t vk, uint32_t keyData);
