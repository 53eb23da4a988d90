#include "ui/ProfileChange.h"

#include "lang/MultiLanguage.h"
#include "model/DocProfileSet.h"
#include "model/NamingRules.h"
#include "platform/IUserPrompt.h"

std::u16string SaveQuestion(const std::u16string& name) { return u"Are you sure to save '" + name + u"'?"; }

CProfileChange::CProfileChange(CDocProfileSet& profiles, IUserPrompt& prompt, ProfileSteps steps)
    : profiles_(profiles), prompt_(prompt), steps_(steps) {}

void CProfileChange::Run(ProfileReason reason, const Command& command) {
    const bool users = IsUsersChoice(reason);
    const std::u16string named = profiles_.currentName;
    if (users)
        (void)ConfirmName();  // a refusal has told the user; the change goes on
    else
        DropName();
    const std::u16string left = profiles_.currentName;
    std::optional<std::u16string> next = command();
    // Asked for by the name it had before the rename (Fn + its digit).
    if (next == named) next = left;
    // New, Copy and Import make their profile current in the set; the one
    // left stays current until it has been left.
    profiles_.currentName = left;
    if (!next) return;
    Leave(left, users);
    profiles_.currentName = *next;
    CDocProfile* current = profiles_.Current();
    if (current == nullptr) return;
    workingCopy_ = *current;
    steps_.keyboard.Apply(*current, reason);
    steps_.pages.ShowProfile(*current, reason);
}

void CProfileChange::Leave(const std::u16string& name, bool ask) {
    CDocProfile* profile = profiles_.Find(name);
    if (profile == nullptr || !profile->IsModified()) return;
    if (!ask || prompt_.AskYesNo(SaveQuestion(profile->name))) {
        steps_.pages.StoreInto(*profile);
    } else {
        EndActivations(*profile);
        *profile = workingCopy_;
    }
    profile->SetModifiedFlag(false);
}

void CProfileChange::EndActivations(CDocProfile& profile) { steps_.keyboard.EndActivations(profile.keys); }

void CProfileChange::EditName(const std::u16string& text) {
    CDocProfile* current = profiles_.Current();
    if (current == nullptr || text == profiles_.currentName) {
        pendingName_.reset();
        return;
    }
    pendingName_ = text;
    current->SetModifiedFlag();
}

bool CProfileChange::ConfirmName() {
    if (!pendingName_) return false;
    // Taken first: the message box below takes the focus from the edit,
    // whose focus loss confirms again.
    const std::u16string text = TrimmedName(*pendingName_);
    pendingName_.reset();
    if (profiles_.Current() == nullptr || text == profiles_.currentName) return false;
    if (text.empty()) {
        prompt_.Warn(CMultiLanguage::GetText(u"ID_PROFILE_NAME_EMPTY", u"A profile name cannot be empty."));
        return false;
    }
    if (profiles_.Find(text) != nullptr) {
        prompt_.Warn(CMultiLanguage::GetTextWith(u"ID_PROFILE_NAME_TAKEN", u"A profile named '%s' already exists.", text));
        return false;
    }
    // Moving the map node keeps the profile, and so the key records that
    // running actions read, where it is.
    auto node = profiles_.profiles.extract(profiles_.currentName);
    node.key() = text;
    node.mapped().name = text;
    profiles_.profiles.insert(std::move(node));
    const std::u16string previous = profiles_.currentName;
    profiles_.currentName = text;
    // A later No to the save question must not bring the old name back.
    workingCopy_.name = text;
    steps_.names.Renamed(previous, text);
    return true;
}

void CProfileChange::AcceleratorChanged(uint32_t index) {
    CDocProfile* current = profiles_.Current();
    if (current == nullptr) return;
    current->accelerator = index;
    if (index != workingCopy_.accelerator) current->SetModifiedFlag();
}
