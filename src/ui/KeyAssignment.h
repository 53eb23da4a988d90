#pragma once
// The keyboard page's click on a key without its windows: the key
// assignment dialog edits a copy of the key's action in the current
// profile, and Save puts the copy in its place.
//
// Rules kept here:
// - Cancel, or a dialog that could not run, changes nothing: not the
//   profile, not its modified flag, not the keyboard.
// - Save replaces the action even when nothing was changed, tells the
//   keyboard whether the key is now assigned (nothing for a record without
//   device code, nothing while the channel is closed) and marks the profile
//   modified.
// - Actions that read the old record are ended first, since their threads
//   read it while the new one is copied in.
// - The dialog's message loop delivers keyboard reports, but no profile
//   changes under it (Fn + digit is held back while it is open); should the
//   profile be gone when it closes, the edit is dropped.
//
// User-interface thread only.
#include <cstdint>
#include <functional>
#include <span>

class CDeviceChannel;
class CDocProfileSet;
class CKeyAction;

struct KeyAssignmentContext {
    CDocProfileSet& profiles;
    CDeviceChannel& channel;
    // Ends the activations that read these records and waits for them.
    std::function<void(std::span<CKeyAction>)> endActivations;
};

// Runs `edit` on a copy of the current profile's action at `keyCode`; `edit`
// returns true when the user saved. True when the profile took the edit.
bool AssignKey(const KeyAssignmentContext& context, uint32_t keyCode, const std::function<bool(CKeyAction&)>& edit);
