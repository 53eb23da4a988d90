#pragma once
// The part of the main window's dispatcher side that only concerns the
// profile set and the keyboard: which profile is current, and what a profile
// becoming current, its gaming mode and its backlight send to the keyboard.
// The shell and the replay tool build on it; recording, new macros and
// brightness steps stay theirs.
//
// Threads: the user-interface thread, like the channel.
#include <string>

#include "actions/IDispatcherHost.h"

class CDeviceChannel;
class CDocProfileSet;

class CKeyboardHost : public IDispatcherHost {
public:
    // Both must outlive the host.
    CKeyboardHost(CDocProfileSet& profiles, CDeviceChannel& channel) : profiles_(profiles), channel_(channel) {}

    // `name` becomes current and MakeCurrent runs.
    void SelectProfile(const std::u16string& name) override;
    // The keyboard's half of the profile-change step: the current profile's
    // key interception, backlight and gaming mode; nothing when none is current.
    void MakeCurrent();
    void ApplyGaming(const CDocProfile& profile) override;
    void ApplyBacklight(const CDocProfile& profile) override;

protected:
    CDocProfileSet& Profiles() { return profiles_; }
    CDeviceChannel& Channel() { return channel_; }

private:
    CDocProfileSet& profiles_;
    CDeviceChannel& channel_;
};
