#pragma once
// The main window's profile strip without its controls: the profile list's
// items and selection, the working copy of the current profile, and the
// profile commands. The window forwards its controls' events here and then
// shows what this holds: Items and Selected in the profile list (the
// selected item's text on its button), the set's currentName in the name
// edit, Accelerator in the accelerator list, CanCopy/CanDelete on the
// buttons.
//
// Rules kept here:
// - After every profile change the current profile is the one the selected
//   item names, and the working copy is a copy of it as it became current.
// - Leaving a modified profile asks whether to save it: Yes keeps the
//   changes (the pages store theirs into it first), No restores the working
//   copy. Either way it is no longer marked modified.
// - Before a profile is deleted or overwritten its running actions are
//   ended, since their threads read its key records.
// - Importing over the current profile replaces its unsaved changes
//   without a save question: the user has just agreed to replace it.
// - Renaming keeps the profile's settings, accelerator and running
//   actions; the working copy takes the new name too, so that a later No to
//   the save question does not bring the old name back.
//
// User-interface thread only.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "model/DocProfile.h"

class CDocProfileSet;
class IUserPrompt;

class CProfileStrip {
public:
    struct Hooks {
        // Yes to the save question: the pages store their controls into the profile.
        std::function<void(CDocProfile&)> store;
        // The profile became current: the pages and the keyboard apply it.
        std::function<void(CDocProfile&)> enter;
        // Ends the actions that read these keys and waits for them.
        std::function<void(std::span<CKeyAction>)> endActivations;
        // A profile was renamed (old name, new name), or deleted.
        std::function<void(const std::u16string&, const std::u16string&)> renamed;
        std::function<void(const std::u16string&)> removed;
    };

    // Both must outlive the strip.
    CProfileStrip(CDocProfileSet& profiles, IUserPrompt& prompt, Hooks hooks);

    // The list gets the set's names in the set's order; the current profile's
    // item is selected and the profile change runs.
    void Fill();

    const CDocProfileSet& Profiles() const { return profiles_; }
    const std::vector<std::u16string>& Items() const { return items_; }
    // The selected item's index, -1 when none is.
    int Selected() const { return selected_; }
    bool CanCopy() const { return selected_ >= 0; }
    bool CanDelete() const { return selected_ >= 0 && items_.size() >= 2; }
    // The current profile's accelerator (the accelerator list's index); 0 without one.
    uint32_t Accelerator() const;

    // The user picked item `index` of the profile list. Picking the item the
    // button already shows changes nothing.
    void Choose(int index);
    // Selects the item of that name and runs the profile change (Fn + digit);
    // nothing when the list holds no such name.
    void Select(const std::u16string& name);
    // The same for a change the user did not start in the window (the
    // command line): no save question; the profile left keeps its changes,
    // as Yes would. False when the list holds no such name.
    bool SelectKeepingChanges(const std::u16string& name);
    // The profile change: leaves the current profile, makes the selected one
    // current and enters it. Also run again for the same profile when the
    // keyboard comes back.
    void ProfileChanged();

    void AcceleratorChanged(uint32_t index);
    // The name edit's text changed; the profile is not renamed.
    void NameEdited(const std::u16string& text);
    // The user confirmed the name edit's text: the current profile takes it
    // and the list shows it in name order. An empty or all-blank name, or
    // another profile's, is refused with a message saying why. True when
    // the profile was renamed.
    bool Rename(const std::u16string& text);

    void NewProfile();
    void DeleteProfile();
    void CopyProfile();
    // The current profile saved as an export file; false when it failed
    // (reported by the document) or no profile is current.
    bool ExportProfile(const std::u16string& path, const DocumentIo& io);
    // True when the set changed; the imported profile is then current.
    bool ImportProfile(const std::u16string& path, const DocumentIo& io);

private:
    void ListInSetOrder();
    void ChangeFrom(const std::u16string& previous);
    void Leave(const std::u16string& name, bool ask = true);
    void SelectAppended(const std::u16string& name);
    int IndexOf(const std::u16string& name) const;

    CDocProfileSet& profiles_;
    IUserPrompt& prompt_;
    Hooks hooks_;
    std::vector<std::u16string> items_;
    int selected_ = -1;
    CDocProfile workingCopy_;
};

// The question asked before leaving a modified profile.
std::u16string SaveQuestion(const std::u16string& name);
