#pragma once
// Input sink and host actions that record what the program did to the
// computer, stamped with the clock's time, and track which keys are down so
// a test can assert that nothing was left pressed.
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/IClock.h"
#include "platform/IHostActions.h"
#include "platform/IInputSink.h"

struct HostEvent {
    uint64_t t;
    std::string what;  // "down 0x0D", "up 0x0D", "tap-down 0xAF", "launch x", "suspend", "mouse 0x0002"
    bool operator==(const HostEvent&) const = default;
};

class RecordingInput final : public IInputSink, public IHostActions {
public:
    explicit RecordingInput(IClock& clock) : clock_(clock) {}

    bool Send(const InputRecord& record) override {
        if (!accepting) return false;  // as the secure desktop of a lock refuses input
        if (record.Type() == kInputKeyboard) {
            const bool up = (record.KeyFlags() & kKeyEventKeyUp) != 0;
            Add((up ? "up " : "down ") + Hex(record.Vk()), record.Vk(), up);
        } else {
            Add("mouse " + Hex(static_cast<uint16_t>(record.MouseFlags())));
        }
        return true;
    }
    void Tap(uint16_t vk, bool up) override { Add((up ? "tap-up " : "tap-down ") + Hex(vk), vk, up); }
    bool Launch(const std::u16string& target) override {
        Add("launch " + std::string(target.begin(), target.end()));
        return launchSucceeds;
    }
    void Suspend() override { Add("suspend"); }

    std::vector<HostEvent> Events() const {
        std::lock_guard lock(mutex_);
        return events_;
    }
    // Times of the events whose text is `what`.
    std::vector<uint64_t> TimesOf(const std::string& what) const {
        std::vector<uint64_t> times;
        for (const HostEvent& e : Events())
            if (e.what == what) times.push_back(e.t);
        return times;
    }
    std::set<uint16_t> KeysDown() const {
        std::lock_guard lock(mutex_);
        return down_;
    }
    void Clear() {
        std::lock_guard lock(mutex_);
        events_.clear();
    }

    bool launchSucceeds = true;
    std::atomic<bool> accepting{true};

    static std::string Hex(uint16_t v) {
        static const char* digits = "0123456789ABCDEF";
        std::string s = "0x";
        for (int shift = 12; shift >= 0; shift -= 4)
            if (shift < 8 || (v >> shift) != 0) s += digits[(v >> shift) & 0xF];
        return s;
    }

private:
    void Add(std::string what, int vk = -1, bool up = false) {
        std::lock_guard lock(mutex_);
        events_.push_back({clock_.NowMs(), std::move(what)});
        if (vk < 0) return;
        if (up)
            down_.erase(static_cast<uint16_t>(vk));
        else
            down_.insert(static_cast<uint16_t>(vk));
    }

    IClock& clock_;
    mutable std::mutex mutex_;
    std::vector<HostEvent> events_;
    std::set<uint16_t> down_;
};
