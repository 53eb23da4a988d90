#include "actions/ActivityRing.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <optional>
#include <type_traits>

#include "model/KeyAction.h"
#include "model/MediaFunction.h"
#include "model/MouseFunction.h"

static_assert(std::is_trivially_copyable_v<ActivityEvent>);

namespace {
uint64_t WallClockMs() {
    return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                     std::chrono::system_clock::now().time_since_epoch())
                                     .count());
}
}  // namespace

void ActivityText::Set(std::u16string_view text) {
    if (text.size() <= kUnits) {
        size = static_cast<uint8_t>(text.copy(units.data(), text.size()));
        return;
    }
    // A path keeps its root ("C:\") and as much of its end as fits, from a
    // separator on when there is one.
    const std::size_t head = text.size() > 3 && text[1] == u':' ? 3 : 0;
    std::size_t tail = kUnits - head - 1;
    const std::u16string_view end = text.substr(text.size() - tail);
    const std::size_t separator = end.find_first_of(u"\\/");
    if (separator != std::u16string_view::npos && separator + 1 < end.size()) tail -= separator;
    std::size_t n = text.copy(units.data(), head);
    units[n++] = u'\u2026';
    n += text.substr(text.size() - tail).copy(units.data() + n, tail);
    size = static_cast<uint8_t>(n);
}

ActivitySubject SubjectOf(const CKeyAction& key) {
    ActivitySubject subject;
    subject.key = static_cast<uint16_t>((key.code & 0xFF) | (key.keyType == kKeyTypeModifier ? 0x100 : 0));
    if (key.kind == kKindMacro) subject.macro.Set(key.macroName);
    return subject;
}

CActivityRing::CActivityRing(Clock now) : now_(now ? now : &WallClockMs) {}

void CActivityRing::Add(ActivityEvent event) {
    event.timeMs = now_();
    if (event.profile == 0) event.profile = ProfileStamp();
    const uint64_t sequence = next_.fetch_add(1, std::memory_order_relaxed);
    Slot& slot = slots_[sequence % kSlots];
    const uint64_t mine = (sequence + 1) * 2;
    uint64_t state = slot.state.load(std::memory_order_relaxed);
    do {
        // Another writer is in the slot, or a newer event already holds it.
        if ((state & 1) != 0 || state >= mine) return;
    } while (!slot.state.compare_exchange_weak(state, mine + 1, std::memory_order_acq_rel, std::memory_order_relaxed));
    // Release stores: a reader that sees one of these words sees the slot
    // claimed (odd) when it looks at the state again (no fence: plain moves
    // on x86, and ThreadSanitizer follows them).
    std::array<uint64_t, kWords> words{};
    std::memcpy(words.data(), &event, sizeof(event));
    for (std::size_t i = 0; i < kWords; ++i) slot.words[i].store(words[i], std::memory_order_release);
    slot.state.store(mine, std::memory_order_release);
}

CActivityRing::Snapshot CActivityRing::Latest(std::size_t count) const {
    Snapshot snapshot;
    snapshot.written = next_.load(std::memory_order_acquire);
    const uint64_t oldest = snapshot.written - std::min<uint64_t>(snapshot.written, std::min(count, kSlots));
    snapshot.events.reserve(static_cast<std::size_t>(snapshot.written - oldest));
    for (uint64_t sequence = snapshot.written; sequence-- > oldest;) {
        const Slot& slot = slots_[sequence % kSlots];
        const uint64_t expected = (sequence + 1) * 2;
        const uint64_t before = slot.state.load(std::memory_order_acquire);
        if (before != expected) {
            // Still being written (it shows next time), or written over.
            if (before < expected || before == expected + 1) snapshot.complete = false;
            continue;
        }
        std::array<uint64_t, kWords> words{};
        for (std::size_t i = 0; i < kWords; ++i) words[i] = slot.words[i].load(std::memory_order_acquire);
        if (slot.state.load(std::memory_order_relaxed) != expected) continue;  // written over meanwhile
        ActivityEvent event;
        std::memcpy(static_cast<void*>(&event), words.data(), sizeof(event));
        snapshot.events.push_back(event);
    }
    return snapshot;
}

void NoteActivity(CActivityRing* ring, const ActivitySubject& subject, ActivityKind kind, uint8_t detail,
                  int32_t number, std::u16string_view text) {
    if (ring == nullptr) return;
    ActivityEvent event;
    event.key = subject.key;
    event.kind = kind;
    event.detail = detail;
    event.number = number;
    event.text.Set(text);
    ring->Add(event);
}

bool NoteIfBlocked(CActivityRing* ring, const ActivitySubject& subject) {
    if (ring == nullptr) return false;
    const uint32_t program = ring->BlockedProgram();
    if (program == 0) return false;
    NoteActivity(ring, subject, ActivityKind::Blocked, 0, static_cast<int32_t>(program));
    return true;
}

void NoteSent(CActivityRing* ring, const ActivitySubject& subject, const CKeyAction& key) {
    if (ring == nullptr || NoteIfBlocked(ring, subject)) return;
    if (key.kind == kKindMouse || key.kind == kKindMedia) {
        // The function's index; -1 for records no function of the list makes.
        const bool mouse = key.kind == kKindMouse;
        std::optional<std::size_t> function;
        if (mouse) {
            if (const auto f = ReadMouseFunction(key)) function = static_cast<std::size_t>(*f);
        } else {
            function = ReadMediaFunction(key);
        }
        return NoteActivity(ring, subject, ActivityKind::Sent,
                            static_cast<uint8_t>(mouse ? SentWhat::Mouse : SentWhat::Media),
                            function ? static_cast<int32_t>(*function) : -1);
    }
    // The keys pressed, one byte each, in the order they go down.
    const bool shortcut = key.kind == kKindShortcut;
    const std::size_t count = shortcut ? std::min<std::size_t>(key.shortcutCount, CKeyAction::kShortcutCapacity) : 2;
    uint32_t keys = 0;
    int shift = 0;
    for (std::size_t i = 0; i < count && shift < 32; ++i) {
        const InputRecord& record = shortcut ? key.shortcutInputs[i] : key.keyboardInputs[i];
        if (record.Type() != kInputKeyboard || (record.KeyFlags() & kKeyEventKeyUp) != 0 || record.Vk() == 0) continue;
        keys |= static_cast<uint32_t>(record.Vk() & 0xFF) << shift;
        shift += 8;
    }
    NoteActivity(ring, subject, ActivityKind::Sent, static_cast<uint8_t>(SentWhat::Keys), static_cast<int32_t>(keys));
}
