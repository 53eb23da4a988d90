#pragma once
// What the Activity window shows, kept while the program runs: the ring of
// events (written by the workers too) and what the user-interface thread
// knows besides: the keyboard's connection, the current profile and why it
// is current, the program in front, and the names behind the numbers the
// events carry (profile stamps, program ids).
//
// Threads: Ring() may be written from any thread; everything else belongs
// to the user-interface thread.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "actions/ActivityRing.h"
#include "ui/ProfileChangeSteps.h"

class CDeviceChannel;

// The connection as the channel tells it after an Open.
KeyboardLink LinkOf(const CDeviceChannel& channel);

class CActivity {
public:
    explicit CActivity(CActivityRing::Clock now = nullptr) : ring_(now) {}

    CActivityRing& Ring() { return ring_; }
    const CActivityRing& Ring() const { return ring_; }

    // The keyboard's connection as found now; an event when it changed.
    void Keyboard(KeyboardLink link);
    KeyboardLink Link() const { return link_; }

    // `name` became current for `reason`: an event, and the events from now
    // on carry the new profile. `digit`: the accelerator for Fn + digit. A
    // linked program's name is the program in front.
    void ProfileMadeCurrent(const std::u16string& name, ProfileReason reason, uint32_t digit = 0);
    const std::u16string& CurrentProfile() const { return profile_; }
    // The last profile event's reason, digit or program id.
    const ActivityEvent& ProfileEvent() const { return profileEvent_; }

    // Another program took the foreground: `linkedProfile` is its link (or
    // empty); `elevated`: it runs as administrator, so input sent to it is
    // blocked until the next change.
    void Foreground(const std::u16string& program, const std::u16string& linkedProfile, bool elevated);
    // One of our own windows took it: nothing is blocked, and the header
    // goes on naming the program in front before it.
    void OwnWindowInFront() { ring_.SetBlockedProgram(0); }
    const std::u16string& ForegroundProgram() const { return foreground_; }
    const std::u16string& ForegroundProfile() const { return foregroundProfile_; }
    bool ForegroundElevated() const { return foregroundElevated_; }

    // The names behind the numbers; empty for one never given.
    std::u16string ProfileOf(uint32_t stamp) const;
    std::u16string ProgramOf(uint32_t id) const;

private:
    uint32_t ProgramId(const std::u16string& program);

    // Profile names by stamp; only as many as the ring can still refer to.
    static constexpr std::size_t kProfilesKept = CActivityRing::kSlots + 1;

    CActivityRing ring_;
    KeyboardLink link_ = KeyboardLink::Unknown;
    std::u16string profile_;
    ActivityEvent profileEvent_;
    uint32_t stamp_ = 0;
    std::map<uint32_t, std::u16string> profiles_;
    std::vector<std::u16string> programs_;  // id - 1
    std::u16string foreground_;
    std::u16string foregroundProfile_;
    bool foregroundElevated_ = false;
};
