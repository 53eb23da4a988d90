#include "actions/MacroPlayback.h"

#include <algorithm>
#include <functional>

#include "actions/HeldInput.h"
#include "actions/StoppableWait.h"
#include "macro/DocMacroSet.h"
#include "model/KeyAction.h"
#include "platform/IClock.h"
#include "platform/IInputSink.h"

namespace {
// Sends events and remembers the keys they leave down, so that a playback
// cut short by a stop can let go of them instead of leaving them stuck.
class Player {
public:
    explicit Player(const ExecutionContext& context)
        : context_(context), events_(*context.macro), own_(context.services.input), due_(context.services.clock.NowMs()) {}

    // An event's delay is the time since the event before it, as recorded:
    // each event waits its delay, then is sent.
    // False when a stop cut the passes short.
    bool PlayPasses(int32_t passes) {
        for (int32_t pass = 0; pass < passes; ++pass)
            for (const InputRecord& event : events_) {
                if (!Wait(event.KeyTime())) {
                    LetGo();
                    return false;
                }
                Send(event);
            }
        return true;
    }

    // Passes back to back while `again` holds right after a pass's last
    // event. A pass sends its first event at once and waits before every
    // later one its delay but at least kLoopMinWaitMs. A macro of one event
    // waits that minimum between passes: sending it without any pause would
    // flood the input queue and spin a core.
    void Loop(const std::function<bool()>& again) {
        const std::size_t last = events_.size() - 1;
        for (std::size_t i = 0;;) {
            Send(events_[i]);
            if (i < last) {
                ++i;
                if (!Wait(std::max(events_[i].KeyTime(), kLoopMinWaitMs))) return LetGo();
                continue;
            }
            if (!again()) return;
            if (context_.stop) return LetGo();
            if (last == 0 && !Wait(kLoopMinWaitMs)) return LetGo();
            i = 0;
        }
    }

private:
    void Send(const InputRecord& event) {
        (void)own_.Send(event);  // rejected input is lost, playback goes on
    }

    // Waits until `ms` after the moment the last wait was due, so that the
    // time spent sending does not add up over the events. After a stall of
    // the system the schedule starts afresh instead of sending a burst.
    bool Wait(uint32_t ms) {
        const uint64_t now = context_.services.clock.NowMs();
        if (now > due_ + kMaxLagMs) due_ = now;
        due_ += ms;
        return WaitUntilUnlessStopped(context_.services.clock, due_, context_.stop);
    }

    void LetGo() { (void)own_.ReleaseAll(); }  // what the system refuses is left to the program's ledger

    static constexpr uint64_t kMaxLagMs = 2;

    const ExecutionContext& context_;
    const std::vector<InputRecord>& events_;
    CHeldInput own_;  // what this playback holds down
    uint64_t due_;
};
}  // namespace

// The activity hears what was played, or that the macro is missing, or
// that the program in front runs as administrator (then nothing else).
void PlayKeyMacro(CKeyAction& action, const ExecutionContext& context) {
    CActivityRing* const activity = context.services.activity;
    const ActivitySubject& subject = context.subject;
    const std::u16string_view name = subject.macro.View();
    if (!context.macro || context.macro->empty()) {
        if (action.pressCount == 1)
            NoteActivity(activity, subject, ActivityKind::MacroMissing, context.macro ? 1 : 0, 0, name);
        action.pressCount = 0;
        return;
    }
    Player player(context);
    const auto playPasses = [&](int32_t passes) {
        const bool blocked = NoteIfBlocked(activity, subject);
        const bool whole = player.PlayPasses(passes);
        if (!blocked)
            NoteActivity(activity, subject, whole ? ActivityKind::MacroPlayed : ActivityKind::MacroStopped, 0, passes,
                         name);
    };
    const auto loop = [&](const std::function<bool()>& again) {
        const bool blocked = NoteIfBlocked(activity, subject);
        if (!blocked) NoteActivity(activity, subject, ActivityKind::LoopStarted, 0, 0, name);
        player.Loop(again);
        NoteActivity(activity, subject, ActivityKind::LoopStopped, 0, 0, name);
    };
    switch (action.playMode) {
    case kPlayOnce:
        if (action.pressCount == 1) playPasses(1);
        break;
    case kPlayMultiTimes:
        if (action.pressCount == 1) playPasses(std::max(static_cast<int32_t>(action.playCount), 0));
        break;
    case kPlayToggle:
        if (action.pressCount != 1) return;  // the press that ends a running loop
        loop([&action] { return action.pressCount == 1; });
        break;
    case kPlayWhilePressed:
        if (action.pressCount == 1) loop([&action] { return action.released == 0; });
        break;
    default:
        break;
    }
    action.pressCount = 0;
}

MacroSnapshot SnapshotOf(CDocMacroSet& macros, const std::u16string& name) {
    const CDocMacro* macro = macros.Find(name);
    if (macro == nullptr) return nullptr;
    return std::make_shared<const std::vector<InputRecord>>(macro->events.begin(), macro->events.end());
}
