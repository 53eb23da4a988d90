#include "ui/KeyCapture.h"

void CaptureKeyMessage(InputRecord& record, bool release, uint32_t vk, uint32_t keyData) {
    record.SetType(kInputKeyboard);
    record.SetVk(static_cast<uint16_t>(vk));
    record.SetScan(static_cast<uint16_t>((keyData >> 16) & 0xFF));
    record.SetKeyFlags(((keyData >> 24) & 1) | (release ? kKeyEventKeyUp : 0));
}
