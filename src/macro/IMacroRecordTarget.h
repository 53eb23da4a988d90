#pragma once
// What receives the recorder's events: the macro event list (which appends
// a row, or takes the key during key-capture editing) or a macro of the set.
#include "macro/MacroEvent.h"

class IMacroRecordTarget {
public:
    virtual ~IMacroRecordTarget() = default;
    // One keystroke that passed the repeat filter, as a keyboard event with
    // its delay. On the user-interface thread, inside the keyboard hook:
    // list operations and a key-name lookup are fine, a dialog is not.
    virtual void OnRecordedEvent(const MacroEvent& event) = 0;
};
