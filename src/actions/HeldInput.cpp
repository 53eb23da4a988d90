#include "actions/HeldInput.h"

#include <algorithm>
#include <array>
#include <chrono>

namespace {
enum : uint32_t { kKeyId = 1u << 28, kTapId = 2u << 28, kButtonId = 3u << 28 };

struct Button {
    uint32_t down;
    uint32_t up;
};
constexpr std::array<Button, 4> kButtons = {{{kMouseLeftDown, kMouseLeftUp},
                                             {kMouseRightDown, kMouseRightUp},
                                             {kMouseMiddleDown, kMouseMiddleUp},
                                             {kMouseXDown, kMouseXUp}}};

// A key is told apart by its virtual-key code, or by its scan code when it
// has none (scan-code and Unicode records).
uint32_t KeyId(const InputRecord& record) {
    return kKeyId | (record.Vk() != 0 ? record.Vk() : 0x10000u | record.Scan());
}

// The X buttons share their flags and differ in the mouse data.
uint32_t ButtonId(const Button& button, uint32_t mouseData) {
    return kButtonId | button.down | (button.down == kMouseXDown ? (mouseData & 0xFFFF) << 12 : 0);
}

InputRecord ButtonRelease(const Button& button, uint32_t mouseData) {
    InputRecord up;
    up.SetType(kInputMouse);
    up.SetMouseFlags(button.up);
    if (button.down == kMouseXDown) up.SetMouseData(mouseData);
    return up;
}

bool IsDown(const InputRecord& record) {
    if (record.Type() == kInputKeyboard) return (record.KeyFlags() & kKeyEventKeyUp) == 0;
    return std::any_of(kButtons.begin(), kButtons.end(), [&](const Button& b) { return record.MouseFlags() & b.down; });
}
}  // namespace

bool CHeldInput::Send(const InputRecord& record) {
    std::lock_guard lock(mutex_);
    // Once sealed, only releases go out: nothing may be pressed after the
    // crash release.
    if (sealed_ && IsDown(record)) return false;
    const bool taken = system_.Send(record);
    NoteLocked(record, taken);
    return taken;
}

void CHeldInput::Tap(uint16_t vk, bool up) {
    std::lock_guard lock(mutex_);
    if (sealed_ && !up) return;
    system_.Tap(vk, up);
    if (up)
        DropLocked(kTapId | vk);
    else
        HoldLocked(kTapId | vk, InputRecord::Keyboard(vk, 0, kKeyEventKeyUp), true);
}

bool CHeldInput::ReleaseAll() {
    std::lock_guard lock(mutex_);
    return ReleaseAllLocked();
}

bool CHeldInput::ReleaseOf(const InputRecord& sent) {
    std::lock_guard lock(mutex_);
    CHeldInput scratch(system_);  // what `sent` alone holds
    scratch.NoteLocked(sent, true);
    bool allTaken = true;
    for (const Entry& entry : scratch.held_) {
        if (std::none_of(held_.begin(), held_.end(), [&](const Entry& e) { return e.id == entry.id; })) continue;
        if (system_.Send(entry.release))
            DropLocked(entry.id);
        else
            allTaken = false;
    }
    return allTaken;
}

void CHeldInput::Adopt(const InputRecord& sent) {
    std::lock_guard lock(mutex_);
    NoteLocked(sent, true);
}

void CHeldInput::ReleaseAndSeal() {
    sealed_ = true;
    std::unique_lock lock(mutex_, std::defer_lock);
    if (lock.try_lock_for(std::chrono::milliseconds(200))) (void)ReleaseAllLocked();
}

std::size_t CHeldInput::Held() const {
    std::lock_guard lock(mutex_);
    return held_.size();
}

void CHeldInput::NoteLocked(const InputRecord& record, bool taken) {
    if (record.Type() == kInputKeyboard) {
        const bool up = (record.KeyFlags() & kKeyEventKeyUp) != 0;
        if (!taken) return;  // a rejected down holds nothing, a rejected up lets nothing go
        if (up) return DropLocked(KeyId(record));
        InputRecord release = record;
        release.SetKeyFlags(record.KeyFlags() | kKeyEventKeyUp);
        release.SetKeyTime(0);
        return HoldLocked(KeyId(record), release, false);
    }
    if (record.Type() != kInputMouse || !taken) return;
    for (const Button& button : kButtons) {
        const uint32_t id = ButtonId(button, record.MouseData());
        if (record.MouseFlags() & button.up)
            DropLocked(id);  // a click in one record ends up released
        else if (record.MouseFlags() & button.down)
            HoldLocked(id, ButtonRelease(button, record.MouseData()), false);
    }
}

void CHeldInput::HoldLocked(uint32_t id, const InputRecord& release, bool tap) {
    if (std::none_of(held_.begin(), held_.end(), [id](const Entry& e) { return e.id == id; }))
        held_.push_back({id, release, tap});
}

void CHeldInput::DropLocked(uint32_t id) {
    std::erase_if(held_, [id](const Entry& e) { return e.id == id; });
}

bool CHeldInput::ReleaseAllLocked() {
    std::vector<Entry> kept;
    for (auto it = held_.rbegin(); it != held_.rend(); ++it) {
        bool taken = true;
        if (it->tap)
            system_.Tap(it->release.Vk(), true);
        else
            taken = system_.Send(it->release);
        if (!taken) kept.insert(kept.begin(), *it);
    }
    held_ = std::move(kept);
    return held_.empty();
}
