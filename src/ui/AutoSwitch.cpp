#include "ui/AutoSwitch.h"

std::optional<std::u16string> CAutoSwitch::OnForeground(const std::u16string& program, bool ownWindow, bool blocked,
                                                        const std::u16string& current, const LinkedProfile& linked) {
    if (ownWindow || blocked) return std::nullopt;
    std::optional<std::u16string> target = linked(program);
    if (target) {
        if (!before_) before_ = current;
    } else if (before_) {
        target = std::move(before_);
        before_.reset();
    }
    if (target && *target == current) return std::nullopt;
    return target;
}

void CAutoSwitch::RenameProfile(const std::u16string& from, const std::u16string& to) {
    if (before_ == from) before_ = to;
}

void CAutoSwitch::RemoveProfile(const std::u16string& name) {
    if (before_ == name) before_.reset();
}
