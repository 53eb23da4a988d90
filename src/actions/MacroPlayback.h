#pragma once
// Playback of a key's macro with the key's play mode: once, a number of
// times, toggled by the next press, or while the key is held. It works on
// the activation's snapshot of the events, never on the macro set.
#include <string>

#include "actions/ActionServices.h"

class CDocMacroSet;
class CKeyAction;

// The events of the named macro as they are now; null when there is none.
// On the user-interface thread, which owns the macro set.
MacroSnapshot SnapshotOf(CDocMacroSet& macros, const std::u16string& name);

// The macro branch of CKeyAction::Execute, entered after the press counter
// was raised; leaves the counter at 0 unless this activation is the press
// that ends a toggled loop.
void PlayKeyMacro(CKeyAction& action, const ExecutionContext& context);

// Loop modes wait at least this long after every event but a pass's last.
constexpr uint32_t kLoopMinWaitMs = 5;
