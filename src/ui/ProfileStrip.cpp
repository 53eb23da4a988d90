#include "ui/ProfileStrip.h"

#include <algorithm>

#include "lang/MultiLanguage.h"
#include "model/DocProfileSet.h"
#include "platform/IUserPrompt.h"

std::u16string SaveQuestion(const std::u16string& name) { return u"Are you sure to save '" + name + u"'?"; }

CProfileStrip::CProfileStrip(CDocProfileSet& profiles, IUserPrompt& prompt, Hooks hooks)
    : profiles_(profiles), prompt_(prompt), hooks_(std::move(hooks)) {}

void CProfileStrip::Fill() {
    ListInSetOrder();
    if (!items_.empty()) ProfileChanged();
}

void CProfileStrip::ListInSetOrder() {
    items_.clear();
    for (const auto& entry : profiles_.profiles) items_.push_back(entry.first);
    // An exact search: a prefix search could pick "Game 2" for "Game".
    selected_ = IndexOf(profiles_.currentName);
}

uint32_t CProfileStrip::Accelerator() const {
    const auto it = profiles_.profiles.find(profiles_.currentName);
    return it == profiles_.profiles.end() ? 0 : it->second.accelerator;
}

int CProfileStrip::IndexOf(const std::u16string& name) const {
    const auto it = std::find(items_.begin(), items_.end(), name);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void CProfileStrip::Choose(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= items_.size()) return;
    if (selected_ >= 0 && items_[static_cast<std::size_t>(index)] == items_[static_cast<std::size_t>(selected_)]) return;
    selected_ = index;
    ProfileChanged();
}

void CProfileStrip::Select(const std::u16string& name) {
    const int index = IndexOf(name);
    if (index < 0) return;
    selected_ = index;
    ProfileChanged();
}

bool CProfileStrip::SelectKeepingChanges(const std::u16string& name) {
    const int index = IndexOf(name);
    if (index < 0) return false;
    const std::u16string previous = profiles_.currentName;
    Leave(previous, false);
    selected_ = index;
    ChangeFrom(previous);
    return true;
}

void CProfileStrip::ProfileChanged() { ChangeFrom(profiles_.currentName); }

// Leaves `previous`, then the selected item's profile becomes current.
void CProfileStrip::ChangeFrom(const std::u16string& previous) {
    Leave(previous);
    if (selected_ >= 0) profiles_.currentName = items_[static_cast<std::size_t>(selected_)];
    CDocProfile* current = profiles_.Current();
    if (current == nullptr) return;
    workingCopy_ = *current;
    if (hooks_.enter) hooks_.enter(*current);
}

void CProfileStrip::Leave(const std::u16string& name, bool ask) {
    CDocProfile* profile = profiles_.Find(name);
    if (profile == nullptr || !profile->IsModified()) return;
    if (!ask || prompt_.AskYesNo(SaveQuestion(profile->name))) {
        if (hooks_.store) hooks_.store(*profile);
    } else {
        if (hooks_.endActivations) hooks_.endActivations(profile->keys);
        *profile = workingCopy_;
    }
    profile->SetModifiedFlag(false);
}

void CProfileStrip::AcceleratorChanged(uint32_t index) {
    CDocProfile* current = profiles_.Current();
    if (current == nullptr) return;
    current->accelerator = index;
    if (index != workingCopy_.accelerator) current->SetModifiedFlag();
}

void CProfileStrip::NameEdited(const std::u16string& text) {
    CDocProfile* current = profiles_.Current();
    if (current != nullptr && text != profiles_.currentName) current->SetModifiedFlag();
}

bool CProfileStrip::Rename(const std::u16string& text) {
    if (profiles_.Current() == nullptr || text == profiles_.currentName) return false;
    if (text.find_first_not_of(u" \t") == std::u16string::npos) {
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
    workingCopy_.name = text;
    ListInSetOrder();
    if (hooks_.renamed) hooks_.renamed(previous, text);
    return true;
}

void CProfileStrip::SelectAppended(const std::u16string& name) {
    items_.push_back(name);
    selected_ = static_cast<int>(items_.size()) - 1;
}

void CProfileStrip::NewProfile() {
    const std::u16string previous = profiles_.currentName;
    SelectAppended(profiles_.NewProfile().name);
    ChangeFrom(previous);
}

void CProfileStrip::CopyProfile() {
    const std::u16string previous = profiles_.currentName;
    const CDocProfile* copy = profiles_.CopyCurrent();
    if (copy == nullptr) return;
    SelectAppended(copy->name);
    ChangeFrom(previous);
}

void CProfileStrip::DeleteProfile() {
    if (!CanDelete()) return;
    const std::u16string removed = profiles_.currentName;
    items_.erase(items_.begin() + selected_);
    selected_ = std::min(selected_, static_cast<int>(items_.size()) - 1);
    profiles_.currentName = items_[static_cast<std::size_t>(selected_)];
    if (CDocProfile* gone = profiles_.Find(removed); gone != nullptr && hooks_.endActivations)
        hooks_.endActivations(gone->keys);
    profiles_.RemoveProfile(removed);
    if (hooks_.removed) hooks_.removed(removed);
    ProfileChanged();
}

bool CProfileStrip::ExportProfile(const std::u16string& path, const DocumentIo& io) {
    return profiles_.ExportProfile(profiles_.currentName, path, io);
}

bool CProfileStrip::ImportProfile(const std::u16string& path, const DocumentIo& io) {
    const std::u16string previous = profiles_.currentName;
    const bool changed = profiles_.Import(path, io, [&](CDocProfile& replaced) {
        if (hooks_.endActivations) hooks_.endActivations(replaced.keys);
        // Its unsaved changes are replaced, not offered for saving.
        if (replaced.name == previous) replaced.SetModifiedFlag(false);
    });
    if (!changed) return false;
    const int index = IndexOf(profiles_.currentName);
    if (index < 0)
        SelectAppended(profiles_.currentName);
    else
        selected_ = index;
    ChangeFrom(previous);
    return true;
}
