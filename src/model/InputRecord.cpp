#include "model/InputRecord.h"

InputRecord InputRecord::Keyboard(uint16_t vk, uint16_t scan, uint32_t flags) {
    InputRecord r;
    r.SetType(kInputKeyboard);
    r.SetVk(vk);
    r.SetScan(scan);
    r.SetKeyFlags(flags);
    return r;
}

uint16_t InputRecord::U16(std::size_t at) const {
    return static_cast<uint16_t>(bytes_[at] | bytes_[at + 1] << 8);
}

uint32_t InputRecord::U32(std::size_t at) const {
    return static_cast<uint32_t>(bytes_[at]) | static_cast<uint32_t>(bytes_[at + 1]) << 8 |
           static_cast<uint32_t>(bytes_[at + 2]) << 16 | static_cast<uint32_t>(bytes_[at + 3]) << 24;
}

void InputRecord::SetU16(std::size_t at, uint16_t v) {
    bytes_[at] = static_cast<uint8_t>(v);
    bytes_[at + 1] = static_cast<uint8_t>(v >> 8);
}

void InputRecord::SetU32(std::size_t at, uint32_t v) {
    for (std::size_t i = 0; i < 4; ++i) bytes_[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
