#pragma once
// The main window's profile strip without its controls: the profile list's
// items and selection, and the profile commands. The window forwards its
// controls' events here and then shows what this holds: Items and Selected
// in the profile list (the selected item's text on its button), the set's
// currentName in the name edit, Accelerator in the accelerator list,
// CanCopy/CanDelete on the buttons.
//
// Rules kept here:
// - Every profile change runs through CProfileChange, in its order; the
//   selected item is always the one naming the current profile.
// - New, Copy and a newly imported profile are appended to the list; a
//   rename lists the set again in name order.
// - Before a profile is deleted or overwritten its running actions are
//   ended, since their threads read its key records.
// - Importing over the current profile replaces its unsaved changes
//   without a save question: the user has just agreed to replace it.
// - Delete drops a name typed but not confirmed.
//
// User-interface thread only.
#include <cstdint>
#include <string>
#include <vector>

#include "model/Document.h"
#include "ui/ProfileChange.h"

class CProfileStrip final : private IProfileNames {
public:
    // Everything given must outlive the strip. `steps.names` hears of
    // renames and removals after the list has followed them.
    CProfileStrip(CDocProfileSet& profiles, IUserPrompt& prompt, ProfileSteps steps);

    // The list gets the set's names in the set's order and the current
    // profile becomes current (start-up).
    void Fill();

    const CDocProfileSet& Profiles() const { return profiles_; }
    const std::vector<std::u16string>& Items() const { return items_; }
    // The selected item's index: the current profile's, -1 when none is.
    int Selected() const;
    bool CanCopy() const { return Selected() >= 0; }
    bool CanDelete() const { return Selected() >= 0 && items_.size() >= 2; }
    // The current profile's accelerator (the accelerator list's index); 0 without one.
    uint32_t Accelerator() const;

    // The user picked item `index` of the profile list. Picking the item the
    // button already shows changes nothing.
    void Choose(int index);
    // Makes the profile of that name current for `reason`; false when the
    // list holds no such name.
    bool Select(const std::u16string& name, ProfileReason reason);

    void AcceleratorChanged(uint32_t index) { change_.AcceleratorChanged(index); }
    // The name edit's text changed; the profile is not renamed yet.
    void NameEdited(const std::u16string& text) { change_.EditName(text); }
    // Enter in the name edit, or leaving it: the typed name is confirmed.
    // True when the profile was renamed.
    bool ConfirmName() { return change_.ConfirmName(); }
    // A name typed and confirmed at once.
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
    void Renamed(const std::u16string& from, const std::u16string& to) override;
    void Removed(const std::u16string& name) override { names_.Removed(name); }
    void ListInSetOrder();
    // Appends the profile the set has just made current.
    std::optional<std::u16string> Appended();
    int IndexOf(const std::u16string& name) const;

    CDocProfileSet& profiles_;
    IProfileNames& names_;
    CProfileChange change_;
    std::vector<std::u16string> items_;
};
