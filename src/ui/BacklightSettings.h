#pragma once
// The backlight page without its window: what loading a profile sends and
// shows, what each control sends, and when the profile takes the controls'
// state. The window reads its controls into BacklightControls, calls these,
// and shows what Load returns.
//
// Rules kept here:
// - Loading sends commands 9, 11 and 10, in this order, whether the
//   backlight is on or off.
// - A stored level outside 1..20 (a damaged file) is shown and sent as the
//   nearest end, and written back into the profile, which is then modified.
// - Every change of a control is sent at once and goes into the profile at
//   once; the profile is marked modified only when a value really changed.
// - Everything works on the set's current profile, looked up each time;
//   nothing happens when there is none.
//
// User-interface thread only, like the channel.
#include <cstdint>
#include <optional>

class CDeviceChannel;
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

    // Loads the current profile: sends its backlight and returns what the
    // controls are to show; nullopt without a current profile.
    std::optional<BacklightControls> Load();
    // The profile takes the controls' state; nothing is sent.
    void Store(const BacklightControls& controls);

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
