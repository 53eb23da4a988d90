#pragma once
// A profile set as a first run makes it ("Profile1" current) whose Enter key
// is assigned the keyboard action Enter down, Enter up.
#include "model/DocProfileSet.h"

inline CDocProfileSet EnterKeyProfiles() {
    CDocProfileSet set;
    set.AddDefaultProfile(u"Profile1");
    set.currentName = u"Profile1";
    CKeyAction& enter = set.Current()->keys[0x0D];
    enter.kind = kKindKeyboard;
    enter.keyboardInputs = {InputRecord::Keyboard(0x0D, 0x1C, 0), InputRecord::Keyboard(0x0D, 0x1C, kKeyEventKeyUp)};
    return set;
}
