#pragma once
// The gaming page without its window: gaming mode is a keyboard command,
// blocking Alt+Tab and Alt+F4 are flags of the driver's table. The window
// reads its check boxes into GamingControls, calls these, and shows what
// Show returns. A profile becoming current reaches the keyboard through
// ApplyProfile, not through the page.
//
// Rules kept here:
// - Switching gaming mode sends command 7, then the Alt+Tab and the Alt+F4
//   flag with one upload each; a blocking counts only while gaming mode is
//   on.
// - The Windows-key switch is stored in the profile and never sent.
// - Every change goes into the profile at once; the profile is marked
//   modified only when a value really changed.
// - With the channel closed no flag changes and nothing is uploaded; the
//   profile still changes.
//
// User-interface thread only, like the channel.
class CDeviceChannel;
class CDocProfile;
class CDocProfileSet;

struct GamingControls {
    bool gaming = false;
    bool disableAltTab = false;
    bool disableAltF4 = false;
    bool disableWinKey = false;
};

class CGamingSettings {
public:
    // Both must outlive this object.
    CGamingSettings(CDocProfileSet& profiles, CDeviceChannel& channel) : profiles_(profiles), channel_(channel) {}

    // What the check boxes are to show for `profile`; nothing is sent.
    static GamingControls Show(const CDocProfile& profile);
    // The profile takes the check boxes' state; nothing is sent.
    static void Store(CDocProfile& profile, const GamingControls& controls);

    void OnGamingSwitch(const GamingControls& controls);
    void OnAltTab(const GamingControls& controls);
    void OnAltF4(const GamingControls& controls);

    // Stores the check boxes and marks the profile modified when they
    // differ from it.
    void CommitIfChanged(const GamingControls& controls);

private:
    CDocProfileSet& profiles_;
    CDeviceChannel& channel_;
};
