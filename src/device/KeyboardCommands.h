#pragma once
// What the application tells the keyboard and its driver, and in which
// order: key interception, backlight, gaming mode, recording. Pages and
// windows call these; none of them builds a packet. Results are not
// reported: a command the keyboard does not confirm, or anything sent to a
// closed channel, leaves the keyboard as it was, and the next apply of the
// same setting sends it again.
//
// Threads: the user-interface thread, like the channel. Each call blocks for
// the duration of its commands (up to 50 ms each).
#include <cstdint>

class CDeviceChannel;
class CDocProfile;
class CKeyAction;

// Command 11's value for brightness level 1..20; levels outside are taken as
// the nearest end.
uint8_t BrightnessValue(uint32_t level);

// The interception entry of one key, uploaded; records without a device code
// send nothing.
void ApplyKey(CDeviceChannel& channel, const CKeyAction& key);
// The entries of every key record, then one upload.
void ApplyKeys(CDeviceChannel& channel, const CDocProfile& profile);
// The entries of every key record and the profile's Alt+F4 and Alt+Tab
// flags (each only while its gaming mode is on), then one upload.
void ApplyKeysAndGamingFlags(CDeviceChannel& channel, const CDocProfile& profile);
// Commands 9 (on/off), 11 (brightness) and 10 (effect), always all three.
void ApplyBacklight(CDeviceChannel& channel, const CDocProfile& profile);
// Command 7, then the Alt+Tab and the Alt+F4 flag, each with an upload
// unless the driver already holds it; both flags only count while gaming
// mode is on.
void ApplyGaming(CDeviceChannel& channel, bool gamingOn, bool disableAltTab, bool disableAltF4);
// What a profile becoming current sends: ApplyKeysAndGamingFlags (one
// upload), ApplyBacklight and ApplyGaming (whose flags then hold already).
void ApplyProfile(CDeviceChannel& channel, const CDocProfile& profile);

// One gaming flag bit (kBlockAltF4 or kBlockAltTab) and an upload; nothing
// while the channel is closed.
void UploadGamingFlag(CDeviceChannel& channel, uint8_t bit, bool on);

// Command 14.
void SetRecording(CDeviceChannel& channel, bool on);
// Recording starts: command 14 with 1, and a driver that intercepts nothing
// and blocks nothing, so every key reaches the recorder.
void EnterRecording(CDeviceChannel& channel);
// Recording stops: command 14 with 0, and the current profile's interception
// and flags again.
void LeaveRecording(CDeviceChannel& channel, const CDocProfile& current);

// The backlight page's single commands.
void SendBacklightSwitch(CDeviceChannel& channel, bool on);
void SendBacklightEffect(CDeviceChannel& channel, uint8_t effect);
void SendBrightnessLevel(CDeviceChannel& channel, uint32_t level);
