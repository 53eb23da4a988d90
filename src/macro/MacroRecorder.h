#pragma once
// The keystroke recorder: while it is on, a low-level keyboard hook
// withholds every keystroke from all applications and the recorder turns
// each one into a macro event for its target, after dropping auto-repeats
// and measuring the delay since the event before.
//
// Users: the macro page's Record button (Start, or StartInto a macro, and
// Stop), the event list's key-capture editing (Start with the list as the
// target), and the main window, whose dispatcher runs no key action and no
// accelerator while IsRecording is true. Telling the keyboard that
// recording starts or stops (EnterRecording, LeaveRecording) is the
// caller's part; the recorder works on the host whether or not a keyboard
// is connected.
//
// User-interface thread only; the hook calls in on that thread too.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "macro/IMacroRecordTarget.h"
#include "macro/MacroAppendTarget.h"
#include "platform/IKeyboardHook.h"

class CDocMacroSet;

// How delays are recorded; the values are those the macro page stores.
enum class RecordTimeMode : int {
    // Every event gets delay 0.
    NoDelays = 0,
    // Every event gets the time since the event before; the first gets 0.
    Measured = 2,
};

class CMacroRecorder final : private IHookedKeySink {
public:
    // `hook` must outlive the recorder.
    explicit CMacroRecorder(IKeyboardHook& hook) : hook_(hook) {}
    // Removes the hook if it is installed.
    ~CMacroRecorder() override;
    CMacroRecorder(const CMacroRecorder&) = delete;
    CMacroRecorder& operator=(const CMacroRecorder&) = delete;

    // Kept across starts; the page sets it before it starts recording.
    void SetRecordTimeMode(RecordTimeMode mode) { timeMode_ = mode; }
    RecordTimeMode GetRecordTimeMode() const { return timeMode_; }

    // Switches recording on for `target`, which must stay alive until Stop
    // or the next start. Starting again while on installs no second hook:
    // it re-targets and begins afresh (no keys held, next delay 0).
    // Returns whether the hook is in place. When the system refuses it, the
    // recorder still counts as recording but nothing arrives; the next start
    // tries again.
    bool Start(IMacroRecordTarget& target);
    // Start for the macro `name` of `macros`: its events are emptied now and
    // every recorded event is appended to it (see CMacroAppendTarget).
    bool StartInto(CDocMacroSet& macros, std::u16string name);
    // Switches recording off and lets keystrokes reach the system again.
    // Harmless when off.
    void Stop();
    bool IsRecording() const { return target_ != nullptr; }

private:
    // A physical key: scan code and extended bit, and the virtual-key code
    // for synthesized keys that carry no scan code.
    struct HeldKey {
        uint16_t scan;
        bool extended;
        uint16_t vkWithoutScan;
        bool operator==(const HeldKey&) const = default;
    };
    static HeldKey KeyOf(const HookedKeystroke& key);

    void OnHookedKey(const HookedKeystroke& key) override;
    // Repeat filter: false for an auto-repeat of a held key.
    bool PassesRepeatFilter(const HookedKeystroke& key);
    uint32_t DelayOf(uint32_t time);

    IKeyboardHook& hook_;
    RecordTimeMode timeMode_ = RecordTimeMode::NoDelays;
    // Set exactly while recording.
    IMacroRecordTarget* target_ = nullptr;
    std::optional<CMacroAppendTarget> appendTarget_;
    // Time stamp of the last event that passed the repeat filter.
    std::optional<uint32_t> lastEventTime_;
    // Keys currently down, in the order they went down.
    std::vector<HeldKey> heldKeys_;
};

// The event of a keystroke: a keyboard event with the low 16 bits of the
// virtual-key and scan codes, the extended and key-up flags (every other
// hook flag, the injected one among them, is dropped) and the delay.
MacroEvent RecordedEventOf(const HookedKeystroke& key, uint32_t delayMs);
