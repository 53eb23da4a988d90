#pragma once
// The order of every profile change, whoever starts it (the profile list,
// Fn + digit, New, Copy, Import, Delete, the foreground program, the command
// line, start-up):
//   1. a name typed into the name edit but not confirmed is confirmed
//      (renamed, or refused with its message) when the user started the
//      change, and dropped otherwise;
//   2. the command names the profile to become current (New, Copy and
//      Import add it; the profile left stays current meanwhile);
//   3. the profile left, if modified, is asked about by its name at that
//      moment: Yes, or a change the user did not start, stores the pages into
//      it; No ends its actions and restores it as it became current;
//   4. the requested profile becomes current and a working copy is kept;
//   5. the keyboard gets it; 6. the pages show it.
// It also owns the rename rules, since a pending name is the first step.
//
// User-interface thread only.
#include <functional>
#include <optional>
#include <string>

#include "model/DocProfile.h"
#include "ui/ProfileChangeSteps.h"

class CDocProfileSet;
class IUserPrompt;

struct ProfileSteps {
    IProfilePages& pages;
    IProfileKeyboard& keyboard;
    IProfileNames& names;
};

class CProfileChange {
public:
    // The name of the profile to make current, or nullopt for no change.
    using Command = std::function<std::optional<std::u16string>()>;

    // Everything given must outlive this object.
    CProfileChange(CDocProfileSet& profiles, IUserPrompt& prompt, ProfileSteps steps);

    // Runs steps 1 to 6; `command` is step 2.
    void Run(ProfileReason reason, const Command& command);

    // The name edit's text changed. A text other than the current name is
    // pending and marks the profile modified; the current name clears it.
    void EditName(const std::u16string& text);
    // Renames the current profile to the pending name, trimmed of white
    // space. An empty name, or another profile's, is refused with a message
    // saying why. True when the profile was renamed; nothing without a
    // pending name.
    bool ConfirmName();
    void DropName() { pendingName_.reset(); }

    // The accelerator list changed; marks the profile when it differs from
    // the working copy.
    void AcceleratorChanged(uint32_t index);
    // Before a profile is replaced or deleted.
    void EndActivations(CDocProfile& profile);

private:
    void Leave(const std::u16string& name, bool ask);

    CDocProfileSet& profiles_;
    IUserPrompt& prompt_;
    ProfileSteps steps_;
    CDocProfile workingCopy_;
    std::optional<std::u16string> pendingName_;
};

// The question asked before leaving a modified profile.
std::u16string SaveQuestion(const std::u16string& name);
