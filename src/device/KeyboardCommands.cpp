#include "device/KeyboardCommands.h"

#include <algorithm>
#include <array>

#include "device/DeviceChannel.h"
#include "model/DocProfile.h"

namespace {
// The steps grow towards the top, as the eye sees brightness.
constexpr std::array<uint8_t, 20> kBrightnessValues = {0,  3,  6,  10, 15,  21,  27,  36,  45,  56,
                                                       68, 81, 96, 112, 128, 144, 172, 194, 224, 255};

// Nobody looks at a command's result: the next apply sends it again.
void Send(CDeviceChannel& channel, int command, uint8_t value) { (void)channel.SendCommand(command, value); }
}  // namespace

uint8_t BrightnessValue(uint32_t level) {
    const uint32_t clamped = std::clamp<uint32_t>(level, 1, kBrightnessValues.size());
    return kBrightnessValues[clamped - 1];
}

namespace {
bool SetEntry(CDeviceChannel& channel, const CKeyAction& key) {
    return key.code != 0 && channel.SetKeyEntry(static_cast<uint8_t>(key.code), key.keyType == kKeyTypeModifier,
                                                key.kind == kKindDefault);
}

// Every key's entry, then one upload: the driver never runs a table that is
// half the old profile and half the new.
void SetEntries(CDeviceChannel& channel, const CDocProfile& profile) {
    for (const CKeyAction& key : profile.keys) (void)SetEntry(channel, key);
}

// A flag upload of the gaming step, skipped when the driver holds it already.
void UploadGamingFlagIfChanged(CDeviceChannel& channel, uint8_t bit, bool on) {
    if (channel.TableSent() && ((channel.GamingFlags() & bit) != 0) == on) return;
    UploadGamingFlag(channel, bit, on);
}
}  // namespace

void ApplyKey(CDeviceChannel& channel, const CKeyAction& key) {
    if (SetEntry(channel, key)) (void)channel.UploadKeyTable();
}

void ApplyKeys(CDeviceChannel& channel, const CDocProfile& profile) {
    if (!channel.IsOpen()) return;
    SetEntries(channel, profile);
    (void)channel.UploadKeyTable();
}

void ApplyKeysAndGamingFlags(CDeviceChannel& channel, const CDocProfile& profile) {
    if (!channel.IsOpen()) return;
    SetEntries(channel, profile);
    channel.SetGamingFlag(kBlockAltF4, profile.gamingMode && profile.disableAltF4);
    channel.SetGamingFlag(kBlockAltTab, profile.gamingMode && profile.disableAltTab);
    (void)channel.UploadKeyTable();
}

void ApplyBacklight(CDeviceChannel& channel, const CDocProfile& profile) {
    SendBacklightSwitch(channel, profile.backlightOn != 0);
    SendBrightnessLevel(channel, profile.brightnessLevel);
    SendBacklightEffect(channel, profile.backlightEffect);
}

void ApplyGaming(CDeviceChannel& channel, bool gamingOn, bool disableAltTab, bool disableAltF4) {
    Send(channel, kCommandGaming, gamingOn ? 1 : 0);
    UploadGamingFlagIfChanged(channel, kBlockAltTab, gamingOn && disableAltTab);
    UploadGamingFlagIfChanged(channel, kBlockAltF4, gamingOn && disableAltF4);
}

void ApplyProfile(CDeviceChannel& channel, const CDocProfile& profile) {
    ApplyKeysAndGamingFlags(channel, profile);
    ApplyBacklight(channel, profile);
    ApplyGaming(channel, profile.gamingMode != 0, profile.disableAltTab != 0, profile.disableAltF4 != 0);
}

void UploadGamingFlag(CDeviceChannel& channel, uint8_t bit, bool on) {
    // The flags change only together with an upload, so memory and driver agree.
    if (!channel.IsOpen()) return;
    channel.SetGamingFlag(bit, on);
    (void)channel.UploadKeyTable();
}

void SetRecording(CDeviceChannel& channel, bool on) { Send(channel, kCommandRecording, on ? 1 : 0); }

void EnterRecording(CDeviceChannel& channel) {
    SetRecording(channel, true);
    CDocProfile neutral;
    neutral.ResetToDefaults();
    neutral.gamingMode = 0;
    ApplyKeysAndGamingFlags(channel, neutral);
}

void LeaveRecording(CDeviceChannel& channel, const CDocProfile& current) {
    SetRecording(channel, false);
    ApplyKeysAndGamingFlags(channel, current);
}

void SendBacklightSwitch(CDeviceChannel& channel, bool on) { Send(channel, kCommandBacklight, on ? 1 : 0); }

void SendBacklightEffect(CDeviceChannel& channel, uint8_t effect) { Send(channel, kCommandEffect, effect); }

void SendBrightnessLevel(CDeviceChannel& channel, uint32_t level) {
    Send(channel, kCommandBrightness, BrightnessValue(level));
}
