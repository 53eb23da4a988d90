#include "ui/Activity.h"

#include <algorithm>

#include "device/DeviceChannel.h"

KeyboardLink LinkOf(const CDeviceChannel& channel) {
    if (channel.IsOpen()) return KeyboardLink::Connected;
    return channel.DeviceFound() ? KeyboardLink::HandshakeFailed : KeyboardLink::DriverMissing;
}

void CActivity::Keyboard(KeyboardLink link) {
    if (link == link_) return;
    link_ = link;
    NoteActivity(&ring_, {}, ActivityKind::Keyboard, static_cast<uint8_t>(link));
}

void CActivity::ProfileMadeCurrent(const std::u16string& name, ProfileReason reason, uint32_t digit) {
    ++stamp_;
    profiles_[stamp_] = name;
    while (profiles_.size() > kProfilesKept) profiles_.erase(profiles_.begin());
    profile_ = name;
    ring_.SetProfileStamp(stamp_);
    ActivityEvent event;
    event.kind = ActivityKind::Profile;
    event.profile = stamp_;
    event.detail = static_cast<uint8_t>(reason);
    if (reason == ProfileReason::FnDigit) event.number = static_cast<int32_t>(digit);
    if (reason == ProfileReason::Automatic) event.number = static_cast<int32_t>(ProgramId(foreground_));
    event.text.Set(name);
    ring_.Add(event);
    profileEvent_ = event;
}

void CActivity::Foreground(const std::u16string& program, const std::u16string& linkedProfile, bool elevated) {
    foreground_ = program;
    foregroundProfile_ = linkedProfile;
    foregroundElevated_ = elevated && !program.empty();
    ring_.SetBlockedProgram(elevated && !program.empty() ? ProgramId(program) : 0);
}

std::u16string CActivity::ProfileOf(uint32_t stamp) const {
    const auto it = profiles_.find(stamp);
    return it == profiles_.end() ? std::u16string() : it->second;
}

std::u16string CActivity::ProgramOf(uint32_t id) const {
    return id >= 1 && id <= programs_.size() ? programs_[id - 1] : std::u16string();
}

// Programs are few (those linked or run as administrator): ids are kept.
uint32_t CActivity::ProgramId(const std::u16string& program) {
    const auto it = std::find(programs_.begin(), programs_.end(), program);
    if (it != programs_.end()) return static_cast<uint32_t>(it - programs_.begin()) + 1;
    programs_.push_back(program);
    return static_cast<uint32_t>(programs_.size());
}
