#pragma once
// The system's keyboard input as a low-level hook sees it: keystrokes are
// stamped with the clock's time (as 32 bits, so they wrap like the
// system's) and go to the installed hook, which withholds them, or else
// reach the system. Installing can be made to fail.
#include <cstdint>
#include <vector>

#include "platform/IClock.h"
#include "platform/IKeyboardHook.h"

class FakeKeyboardHook final : public IKeyboardHook {
public:
    explicit FakeKeyboardHook(const IClock& clock) : clock_(clock) {}

    bool Install(IHookedKeySink& sink) override {
        if (sink_ != nullptr) return false;
        if (refusals > 0) {
            --refusals;
            return false;
        }
        ++installs;
        sink_ = &sink;
        return true;
    }
    void Remove() override { sink_ = nullptr; }
    bool IsInstalled() const override { return sink_ != nullptr; }

    void Down(uint32_t vk, uint32_t scan, uint32_t flags = 0) { Type({true, vk, scan, flags, Now()}); }
    void Up(uint32_t vk, uint32_t scan, uint32_t flags = 0) { Type({false, vk, scan, flags | kHookFlagUp, Now()}); }
    void Type(const HookedKeystroke& key) {
        if (sink_ != nullptr)
            sink_->OnHookedKey(key);
        else
            reachedSystem.push_back(key);
    }

    // Install calls that the system refuses before it accepts one again.
    int refusals = 0;
    int installs = 0;
    std::vector<HookedKeystroke> reachedSystem;

private:
    uint32_t Now() const { return static_cast<uint32_t>(clock_.NowMs()); }

    const IClock& clock_;
    IHookedKeySink* sink_ = nullptr;
};
