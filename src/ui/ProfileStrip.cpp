#include "ui/ProfileStrip.h"

#include <algorithm>

#include "model/DocProfileSet.h"

CProfileStrip::CProfileStrip(CDocProfileSet& profiles, IUserPrompt& prompt, ProfileSteps steps)
    : profiles_(profiles), names_(steps.names), change_(profiles, prompt, {steps.pages, steps.keyboard, *this}) {}

void CProfileStrip::Fill() {
    ListInSetOrder();
    if (!items_.empty()) change_.Run(ProfileReason::StartUp, [this] { return std::optional(profiles_.currentName); });
}

void CProfileStrip::ListInSetOrder() {
    items_.clear();
    for (const auto& entry : profiles_.profiles) items_.push_back(entry.first);
}

int CProfileStrip::Selected() const { return IndexOf(profiles_.currentName); }

uint32_t CProfileStrip::Accelerator() const {
    const auto it = profiles_.profiles.find(profiles_.currentName);
    return it == profiles_.profiles.end() ? 0 : it->second.accelerator;
}

// An exact search: a prefix search could pick "Game 2" for "Game".
int CProfileStrip::IndexOf(const std::u16string& name) const {
    const auto it = std::find(items_.begin(), items_.end(), name);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void CProfileStrip::Choose(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= items_.size() || index == Selected()) return;
    // By name: confirming a pending rename may list the items anew.
    const std::u16string name = items_[static_cast<std::size_t>(index)];
    change_.Run(ProfileReason::Window, [&name] { return std::optional(name); });
}

bool CProfileStrip::Select(const std::u16string& name, ProfileReason reason) {
    if (IndexOf(name) < 0) return false;
    change_.Run(reason, [&name] { return std::optional(name); });
    return true;
}

bool CProfileStrip::Rename(const std::u16string& text) {
    change_.EditName(text);
    return change_.ConfirmName();
}

void CProfileStrip::Renamed(const std::u16string& from, const std::u16string& to) {
    ListInSetOrder();
    names_.Renamed(from, to);
}

std::optional<std::u16string> CProfileStrip::Appended() {
    if (IndexOf(profiles_.currentName) < 0) items_.push_back(profiles_.currentName);
    return profiles_.currentName;
}

void CProfileStrip::NewProfile() {
    change_.Run(ProfileReason::Window, [this] {
        profiles_.NewProfile();
        return Appended();
    });
}

void CProfileStrip::CopyProfile() {
    change_.Run(ProfileReason::Window, [this]() -> std::optional<std::u16string> {
        if (profiles_.CopyCurrent() == nullptr) return std::nullopt;
        return Appended();
    });
}

void CProfileStrip::DeleteProfile() {
    if (!CanDelete()) return;
    change_.DropName();
    const std::u16string removed = profiles_.currentName;
    const std::size_t at = static_cast<std::size_t>(Selected());
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(at));
    const std::u16string next = items_[std::min(at, items_.size() - 1)];
    if (CDocProfile* gone = profiles_.Find(removed)) change_.EndActivations(*gone);
    profiles_.RemoveProfile(removed);
    names_.Removed(removed);
    change_.Run(ProfileReason::Window, [&next] { return std::optional(next); });
}

bool CProfileStrip::ExportProfile(const std::u16string& path, const DocumentIo& io) {
    return profiles_.ExportProfile(profiles_.currentName, path, io);
}

bool CProfileStrip::ImportProfile(const std::u16string& path, const DocumentIo& io) {
    bool changed = false;
    change_.Run(ProfileReason::Window, [&]() -> std::optional<std::u16string> {
        const std::u16string previous = profiles_.currentName;
        changed = profiles_.Import(path, io, [&](CDocProfile& replaced) {
            change_.EndActivations(replaced);
            // Its unsaved changes are replaced, not offered for saving.
            if (replaced.name == previous) replaced.SetModifiedFlag(false);
        });
        if (!changed) return std::nullopt;
        return Appended();
    });
    return changed;
}
