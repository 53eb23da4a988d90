#include "ui/KeyAssignment.h"

#include "device/KeyboardCommands.h"
#include "model/DocProfileSet.h"

bool AssignKey(const KeyAssignmentContext& context, uint32_t keyCode, const std::function<bool(CKeyAction&)>& edit) {
    const CDocProfile* profile = context.profiles.Current();
    if (profile == nullptr || keyCode >= profile->keys.size()) return false;
    const std::u16string profileName = context.profiles.currentName;
    CKeyAction edited = profile->keys[keyCode];
    if (!edit(edited)) return false;
    CDocProfile* target = context.profiles.Find(profileName);
    if (target == nullptr) return false;
    CKeyAction& slot = target->keys[keyCode];
    if (context.endActivations) context.endActivations(std::span<CKeyAction>(&slot, 1));
    slot = edited;
    if (context.profiles.currentName == profileName) ApplyKey(context.channel, slot);
    target->SetModifiedFlag();
    return true;
}
