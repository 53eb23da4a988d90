#include "actions/SoftwareActions.h"

#include <algorithm>

#include "actions/IDispatcherHost.h"
#include "actions/MediaControl.h"
#include "actions/StoppableWait.h"
#include "model/DocProfileSet.h"
#include "model/KeyAction.h"
#include "platform/IClock.h"
#include "platform/IHostActions.h"
#include "platform/IInputSink.h"

namespace {
constexpr uint32_t kVolumeTapWaitMs = 10;
}

void RepeatSchedule::Advance() {
    factor_ = std::min(2 * factor_, 100u);
    interval_ = std::max(600 / factor_, 10u);
}

bool LaunchTarget(const std::u16string& target, IHostActions& host) { return !target.empty() && host.Launch(target); }

void SuspendComputer(IHostActions& host) { host.Suspend(); }

void RepeatVolume(const CKeyAction& key, bool up, const ActionServices& services, const std::atomic<bool>& stop) {
    const uint16_t vk = up ? kVkVolumeUp : kVkVolumeDown;
    RepeatSchedule schedule;
    while (key.released == 0 && !stop) {
        services.clock.SleepMs(kVolumeTapWaitMs);
        services.input.Tap(vk, false);
        services.clock.SleepMs(kVolumeTapWaitMs);
        services.input.Tap(vk, true);
        if (!WaitUnlessStopped(services.clock, schedule.Interval(), stop)) return;
        schedule.Advance();
    }
}

void RepeatBrightness(const CKeyAction& key, int step, IDispatcherHost& host, IClock& clock,
                      const std::atomic<bool>& stop) {
    RepeatSchedule schedule;
    while (key.released == 0 && !stop) {
        host.StepBrightness(step);
        if (!WaitUnlessStopped(clock, schedule.Interval(), stop)) return;
        schedule.Advance();
    }
}

void OnBrightnessStep(CDocProfileSet& profiles, int step, IDispatcherHost& host) {
    CDocProfile* profile = profiles.Current();
    if (profile == nullptr) return;
    const int level = std::clamp(profile->brightnessLevel + step, 1, 20);
    if (profile->backlightOn == 0 || level == profile->brightnessLevel) return;
    profile->brightnessLevel = static_cast<uint8_t>(level);
    host.ApplyBacklight(*profile);
}
