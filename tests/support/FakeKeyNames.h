#pragma once
// A US-layout stand-in for the key-name seam: scan codes of the keys the
// tests use, and names made from them.
#include <map>
#include <string>

#include "platform/IKeyNames.h"

class FakeKeyNames final : public IKeyNames {
public:
    std::u16string NameOfScanCode(uint16_t scanCode, bool extended) const override {
        for (const auto& [vk, scan] : kScans)
            if (scan == scanCode) {
                std::u16string name(extended ? u"Ext-" : u"");
                name.push_back(static_cast<char16_t>(vk));
                return name;
            }
        return {};
    }
    uint16_t ScanCodeOfVirtualKey(uint16_t vk) const override {
        auto it = kScans.find(vk);
        return it == kScans.end() ? 0 : it->second;
    }

private:
    inline static const std::map<uint16_t, uint16_t> kScans = {
        {0x5B, 0x5B}, {0x44, 0x20}, {0x12, 0x38}, {0x73, 0x3E}, {0x20, 0x39},
        {0x58, 0x2D}, {0x4E, 0x31}, {0x11, 0x1D}, {0x43, 0x2E}, {0x56, 0x2F}, {0x5A, 0x2C}};
};
