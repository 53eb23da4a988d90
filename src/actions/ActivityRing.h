#pragma once
// What the keyboard did, as codes: a fixed ring of the latest events that
// the pool threads and the user-interface thread write, and the Activity
// window reads. Nothing here is text for the user: the codes become words
// only when they are shown (ui/ActivityText.h).
//
// Threads: Add and the atomics may be used from any thread at any time.
// A write takes no lock and allocates nothing: it claims a slot with one
// atomic increment and fills it under the slot's own sequence number, so
// writers never wait for each other or for the reader. A writer that finds
// its slot being written by one that is a whole ring behind (a thread that
// stalled for 256 events) drops its event rather than wait. Latest copies
// only slots whose sequence number stayed the same while it read them.
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

class CKeyAction;

enum class ActivityKind : uint8_t {
    Sent,          // detail: SentWhat; number: the keys (4 virtual-key codes, one a byte) or the function's index
    Disabled,      // a key assigned "disable"
    MacroPlayed,   // text: the macro; number: how many times
    MacroStopped,  // text: the macro; stopped before its end
    MacroMissing,  // text: the macro the key names
    LoopStarted,   // text: the macro
    LoopStopped,   // text: the macro
    Launched,      // text: the target, shortened
    LaunchFailed,  // text: the target, shortened
    GamingMode,    // detail: 1 on, 0 off (Fn+F10)
    Profile,       // text: the profile; detail: ProfileReason; number: the Fn digit or the linked program's id
    Blocked,       // number: the id of the program in front, which runs as administrator
    Keyboard,      // detail: KeyboardLink
};
constexpr std::size_t kActivityKindCount = 13;
static_assert(static_cast<std::size_t>(ActivityKind::Keyboard) + 1 == kActivityKindCount);

enum class SentWhat : uint8_t { Keys, Mouse, Media };

// The keyboard's connection as the program last found it.
enum class KeyboardLink : uint8_t { Unknown, Connected, DriverMissing, HandshakeFailed, Unplugged };

// A name or path carried in an event, cut to fit (see ActivityText::Set).
struct ActivityText {
    static constexpr std::size_t kUnits = 60;
    std::array<char16_t, kUnits> units{};
    uint8_t size = 0;

    // Copies `text`; a longer one keeps its start and its end around "…"
    // ("C:\…\app.exe"), so that a path still names its program.
    void Set(std::u16string_view text);
    std::u16string_view View() const { return {units.data(), size}; }
};

struct ActivityEvent {
    uint64_t timeMs = 0;   // when it was written: ms since 1970-01-01 UTC
    uint32_t profile = 0;  // the stamp of the profile current then (CActivityRing::ProfileStamp)
    uint16_t key = 0;      // the key's device code, plus 0x100 for a modifier; 0: no key
    ActivityKind kind = ActivityKind::Sent;
    uint8_t detail = 0;
    int32_t number = 0;
    ActivityText text;
};

// The key of an activation as the dispatcher saw it on the user-interface
// thread, with the name of its macro: a worker must not read the key's
// macro name, which a rename changes on that thread.
struct ActivitySubject {
    uint16_t key = 0;
    ActivityText macro;
};
ActivitySubject SubjectOf(const CKeyAction& key);

class CActivityRing {
public:
    static constexpr std::size_t kSlots = 256;
    // How many the window shows; the rest of the ring is slack for writers.
    static constexpr std::size_t kShown = 200;
    using Clock = uint64_t (*)();

    // `now` stamps every event; by default the system's wall clock.
    explicit CActivityRing(Clock now = nullptr);
    CActivityRing(const CActivityRing&) = delete;
    CActivityRing& operator=(const CActivityRing&) = delete;

    // Stamps the event with the time and, unless it has one, the current
    // profile's stamp, and writes it over the oldest.
    void Add(ActivityEvent event);

    struct Snapshot {
        std::vector<ActivityEvent> events;  // newest first
        uint64_t written = 0;               // events claimed so far
        bool complete = true;               // false: a write was under way; read again later
    };
    // Up to `count` of the latest events.
    Snapshot Latest(std::size_t count = kShown) const;
    uint64_t Written() const { return next_.load(std::memory_order_acquire); }

    // The profile current now, as a number the user-interface thread gives
    // each profile change; events carry it.
    uint32_t ProfileStamp() const { return profile_.load(std::memory_order_relaxed); }
    void SetProfileStamp(uint32_t stamp) { profile_.store(stamp, std::memory_order_relaxed); }
    // The program in front while it runs as administrator (its id), else 0:
    // an action that sends input is then marked blocked.
    uint32_t BlockedProgram() const { return blocked_.load(std::memory_order_relaxed); }
    void SetBlockedProgram(uint32_t id) { blocked_.store(id, std::memory_order_relaxed); }

private:
    static constexpr std::size_t kWords = (sizeof(ActivityEvent) + 7) / 8;
    struct Slot {
        // (sequence + 1) * 2 of the event held, plus 1 while it is written.
        std::atomic<uint64_t> state{0};
        std::array<std::atomic<uint64_t>, kWords> words{};
    };

    Clock now_;
    std::atomic<uint64_t> next_{0};
    std::atomic<uint32_t> profile_{0};
    std::atomic<uint32_t> blocked_{0};
    std::array<Slot, kSlots> slots_;
};

// What the workers write: the ring may be null (tools and tests without one).
void NoteActivity(CActivityRing* ring, const ActivitySubject& subject, ActivityKind kind, uint8_t detail = 0,
                  int32_t number = 0, std::u16string_view text = {});
// An action that sends input, in front of a program that runs as
// administrator, is blocked: true when it was noted so.
bool NoteIfBlocked(CActivityRing* ring, const ActivitySubject& subject);
// What a Keyboard, Mouse, Media or Shortcut key sends, noted after its first
// record went out (or as blocked).
void NoteSent(CActivityRing* ring, const ActivitySubject& subject, const CKeyAction& key);
