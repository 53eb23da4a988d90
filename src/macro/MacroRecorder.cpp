#include "macro/MacroRecorder.h"

#include <algorithm>

#include "macro/DocMacroSet.h"

MacroEvent RecordedEventOf(const HookedKeystroke& key, uint32_t delayMs) {
    uint32_t flags = 0;
    if (key.flags & kHookFlagExtended) flags |= kKeyEventExtendedKey;
    if (key.flags & kHookFlagUp) flags |= kKeyEventKeyUp;
    return MacroEvent::Key(static_cast<uint16_t>(key.vkCode), static_cast<uint16_t>(key.scanCode), flags, delayMs);
}

CMacroRecorder::~CMacroRecorder() { Stop(); }

bool CMacroRecorder::Start(IMacroRecordTarget& target) {
    target_ = &target;
    lastEventTime_.reset();
    heldKeys_.clear();
    return hook_.IsInstalled() || hook_.Install(*this);
}

bool CMacroRecorder::StartInto(CDocMacroSet& macros, std::u16string name) {
    if (CDocMacro* macro = macros.Find(name)) macro->events.clear();
    appendTarget_.emplace(macros, std::move(name));
    return Start(*appendTarget_);
}

void CMacroRecorder::Stop() {
    target_ = nullptr;
    heldKeys_.clear();
    hook_.Remove();
}

CMacroRecorder::HeldKey CMacroRecorder::KeyOf(const HookedKeystroke& key) {
    const auto scan = static_cast<uint16_t>(key.scanCode);
    return HeldKey{scan, (key.flags & kHookFlagExtended) != 0,
                   scan == 0 ? static_cast<uint16_t>(key.vkCode) : uint16_t{0}};
}

// The hook is removed whenever recording is off, so a keystroke without a
// target can only come from a hook call already under way; it is dropped.
void CMacroRecorder::OnHookedKey(const HookedKeystroke& key) {
    if (target_ == nullptr || !PassesRepeatFilter(key)) return;
    target_->OnRecordedEvent(RecordedEventOf(key, DelayOf(key.time)));
}

bool CMacroRecorder::PassesRepeatFilter(const HookedKeystroke& key) {
    const HeldKey held = KeyOf(key);
    if (!key.keyDown) {
        std::erase(heldKeys_, held);
        return true;
    }
    if (std::ranges::find(heldKeys_, held) != heldKeys_.end()) return false;
    heldKeys_.push_back(held);
    return true;
}

uint32_t CMacroRecorder::DelayOf(uint32_t time) {
    // Unsigned 32-bit difference: correct across the wrap of the time stamp.
    const uint32_t delay =
        timeMode_ == RecordTimeMode::Measured && lastEventTime_ ? time - *lastEventTime_ : 0;
    lastEventTime_ = time;
    return delay;
}
