#pragma once
// A dispatcher over a real profile set with the default profile "Profile1"
// current, a fake main window and named macros, in virtual time.
#include <initializer_list>
#include <map>
#include <string>

#include "actions/Dispatcher.h"
#include "support/ActionRig.h"
#include "support/FakeDispatcherHost.h"

// Device codes of the default key table used by the tests.
namespace code {
constexpr uint8_t kA = 0x04, kB = 0x05, kC = 0x06, kEnter = 0x28, kDigit3 = 0x20, kF1 = 0x3A, kF2 = 0x3B, kF3 = 0x3C,
                  kF9 = 0x42, kF10 = 0x43, kF11 = 0x44, kF12 = 0x45, kPause = 0x48, kFn = 0x73;
constexpr uint8_t kLeftShiftBit = 0x02;
}  // namespace code

struct DispatchRig : ActionRig {
    CDocProfileSet set;
    FakeDispatcherHost host{set};
    std::map<std::u16string, MacroSnapshot> macros;
    CDispatcher dispatcher{set, host, services, [this](const std::u16string& name) {
                               const auto it = macros.find(name);
                               return it == macros.end() ? MacroSnapshot{} : it->second;
                           }};

    DispatchRig() {
        set.AddDefaultProfile(u"Profile1");
        set.currentName = u"Profile1";
    }

    CDocProfile& Current() { return *set.Current(); }

    // The record of the current profile that the keyboard's `deviceCode` names.
    CKeyAction& Key(uint32_t deviceCode, uint32_t type = kKeyTypeNormal) { return KeyIn(Current(), deviceCode, type); }
    static CKeyAction& KeyIn(CDocProfile& profile, uint32_t deviceCode, uint32_t type = kKeyTypeNormal) {
        for (CKeyAction& k : profile.keys)
            if (k.code == deviceCode && k.keyType == type) return k;
        throw std::out_of_range("no such key");
    }

    // Assigns "send virtual key `vk`" to the key.
    static void AssignKeyboard(CKeyAction& key, uint16_t vk) {
        key.kind = kKindKeyboard;
        key.keyboardInputs = {::Key(vk, false), ::Key(vk, true)};
    }

    int Report(uint8_t modifiers, std::initializer_list<uint8_t> codes) {
        std::array<uint8_t, CDispatcher::kReportSize> report{};
        report[1] = modifiers;
        std::copy(codes.begin(), codes.end(), report.begin() + 2);
        return dispatcher.OnDeviceReport(report.data(), report.size());
    }
    int Report(std::initializer_list<uint8_t> codes) { return Report(0, codes); }
};
