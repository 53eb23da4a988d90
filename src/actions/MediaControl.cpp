#include "actions/MediaControl.h"

#include "platform/IClock.h"
#include "platform/IInputSink.h"

namespace {
constexpr uint32_t kTapWaitMs = 50;

void TapKey(const ActionServices& services, uint16_t vk) {
    services.clock.SleepMs(kTapWaitMs);
    services.input.Tap(vk, false);
    services.clock.SleepMs(kTapWaitMs);
    services.input.Tap(vk, true);
}
}  // namespace

void CMediaControl::Mute(const ActionServices& services) const { TapKey(services, kVkVolumeMute); }
void CMediaControl::PlayPause(const ActionServices& services) const { TapKey(services, kVkMediaPlayPause); }
void CMediaControl::NextTrack(const ActionServices& services) const { TapKey(services, kVkMediaNextTrack); }
void CMediaControl::PreviousTrack(const ActionServices& services) const { TapKey(services, kVkMediaPrevTrack); }
