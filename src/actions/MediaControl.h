#pragma once
// The media keys of the Fn layer, one tap each: 50 ms, press, 50 ms,
// release. Stateless; the process has one instance (MediaControl::
// get_const_instance()). Runs on the user-interface thread.
#include <boost/serialization/singleton.hpp>

#include "actions/ActionServices.h"

class CMediaControl {
public:
    void Mute(const ActionServices& services) const;
    void PlayPause(const ActionServices& services) const;
    void NextTrack(const ActionServices& services) const;
    void PreviousTrack(const ActionServices& services) const;
};

using MediaControl = boost::serialization::singleton<CMediaControl>;

// Virtual-key codes of the media functions.
constexpr uint16_t kVkVolumeMute = 0xAD;
constexpr uint16_t kVkVolumeDown = 0xAE;
constexpr uint16_t kVkVolumeUp = 0xAF;
constexpr uint16_t kVkMediaNextTrack = 0xB0;
constexpr uint16_t kVkMediaPrevTrack = 0xB1;
constexpr uint16_t kVkMediaPlayPause = 0xB3;
