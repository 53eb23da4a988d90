#pragma once
// The backlight page without its window: what loading a profile sends and
// shows, what each control sends, and when the profile takes the controls'
// state. The window reads its controls into BacklightControls, calls these,
// and shows what Show returns. A profile becoming current reaches the
// keyboard through ApplyProfile, not through the page.
//
// Rules kept here:
// - A stored level outside 1..20 (a damaged file) is shown as the nearest
//   end, and written back into the profile, which is then modified.
// - Every change of a control is sent at once and goes into the profile at
//   once; the profile is marked modified only when a value really changed.
// - Everything works on the set's current profile, looked up each time;
//   nothing happens when there is none.
//
// User-interface thread only, like the channel.
#include <cstdint>

class CDeviceChannel;
class CDocProfile;
class CDocProfileSet;

struct BacklightControls {
    bool on = false;
    int level = 1;           // the slider's position, 1..20
    uint8_t effect = 0;      // 0 static, 1 blink, 2 breath
};

constexpr int kMinBrightnessLevel = 1;
constexpr int kMaxBrightnessLevel = 20;

class CBacklightSettings {
public:
    // Both must outlive this object.
    CBacklightSettings(CDocProfileSet& profiles, CDeviceChannel& channel) : profiles_(profiles), channel_(channel) {}

    // What the controls are to show for `profile`; nothing is sent.
    static BacklightControls Show(CDocProfile& profile);
    // The profile takes the controls' state; nothing is sent.
    static void Store(CDocProfile& profile, const BacklightControls& controls);

    void OnSwitch(const BacklightControls& controls);
    void OnEffect(const BacklightControls& controls);
    void OnBrightness(const BacklightControls& controls);

    // Stores the controls and marks the profile modified when they differ
    // from it.
    void CommitIfChanged(const BacklightControls& controls);

private:
    CDocProfileSet& profiles_;
    CDeviceChannel& channel_;
};
