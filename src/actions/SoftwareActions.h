#pragma once
// The host-side functions of the Fn layer besides the media taps, and the
// launch routine of key actions.
#include <atomic>
#include <string>

#include "actions/ActionServices.h"

class CDocProfileSet;
class CKeyAction;
class IDispatcherHost;

// The pause after each step of a held volume or brightness key: 600 ms
// first, then 600 / factor with the factor doubling up to 100, at least
// 10 ms: 600, 300, 150, 75, 37, 18, 10, 10, ...
class RepeatSchedule {
public:
    uint32_t Interval() const { return interval_; }
    void Advance();

private:
    uint32_t interval_ = 600;
    uint32_t factor_ = 1;
};

// Opens a program path or web address through the shell; false for an
// empty target or when the shell refused.
bool LaunchTarget(const std::u16string& target, IHostActions& host);

void SuspendComputer(IHostActions& host);

// Volume steps while `key` stays down: 10 ms, press, 10 ms, release, then
// the schedule's pause. On a repeat thread; ends at the first check after
// the key's release or a stop.
void RepeatVolume(const CKeyAction& key, bool up, const ActionServices& services, const std::atomic<bool>& stop);

// Brightness steps through the main window while `key` stays down, each
// followed by the schedule's pause. On a repeat thread.
void RepeatBrightness(const CKeyAction& key, int step, IDispatcherHost& host, IClock& clock,
                      const std::atomic<bool>& stop);

// The main window's handling of one brightness step, on the user-interface
// thread: with the backlight on, the current profile's level moves by `step`
// within 1..20 and, if it changed, the backlight page applies the profile.
void OnBrightnessStep(CDocProfileSet& profiles, int step, IDispatcherHost& host);
