#pragma once
// A test's small world for carrying out actions: a virtual clock the test
// thread takes part in, recorded input and host actions, and the runner
// that starts activations as the dispatcher does.
#include <atomic>
#include <memory>
#include <vector>

#include "actions/ActionServices.h"
#include "actions/ActivationRunner.h"
#include "model/KeyAction.h"
#include "platform/VirtualClock.h"
#include "support/RecordingInput.h"

struct ActionRig {
    CVirtualClock clock;
    CVirtualClock::Participant self{clock};
    RecordingInput input{clock};
    CActivityRing activity;
    ActionServices services{input, clock, input, &activity};
    CActivationRunner runner{clock};

    // Presses `key` and starts its activation with `macro` as the snapshot.
    void Press(CKeyAction& key, MacroSnapshot macro = nullptr) {
        key.released = 0;
        runner.Start(key, [this, &key, macro, subject = SubjectOf(key)](const std::atomic<bool>& stop) {
            key.Execute(ExecutionContext{services, macro, stop, subject});
        });
    }
    void Release(CKeyAction& key) { key.released = 1; }
    // Lets the activations run until `ms` after the rig's start.
    void RunUntil(uint64_t ms) {
        if (ms > clock.NowMs()) clock.SleepMs(static_cast<uint32_t>(ms - clock.NowMs()));
    }
};

inline InputRecord Key(uint16_t vk, bool up, uint32_t delay = 0) {
    InputRecord r = InputRecord::Keyboard(vk, 0, up ? kKeyEventKeyUp : 0);
    r.SetKeyTime(delay);
    return r;
}

inline MacroSnapshot Events(std::vector<InputRecord> events) {
    return std::make_shared<const std::vector<InputRecord>>(std::move(events));
}

// The F1 key assigned macro "Macro1" with a play mode and count.
inline CKeyAction MacroKey(uint32_t mode, uint32_t count = 2) {
    CKeyAction a(u"M1", 0x3A, kKeyTypeNormal);
    a.kind = kKindMacro;
    a.macroName = u"Macro1";
    a.playMode = mode;
    a.playCount = count;
    return a;
}
