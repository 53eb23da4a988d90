#pragma once
#include "platform/IKeyNames.h"

class Win32KeyNames final : public IKeyNames {
public:
    std::u16string NameOfScanCode(uint16_t scanCode, bool extended) const override;
    uint16_t ScanCodeOfVirtualKey(uint16_t vk) const override;
};
