#include <gtest/gtest.h>

#include "device/DeviceArrival.h"
#include "device/KeyboardCommands.h"
#include "model/DocProfile.h"
#include "support/DispatchRig.h"
#include "support/SimulatedLink.h"

namespace {
constexpr char16_t kKeyboardPath[] =
    u"\\\\?\\HID#VID_FFFE&PID_011A&MI_01&Col03#8&2bc3c8a&0&0002#{4d1e55b2-f16f-11cf-88cb-001111000030}";
constexpr char16_t kMousePath[] =
    u"\\\\?\\HID#VID_046D&PID_C077#7&1d7a8b0&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";

class DeviceArrival : public ::testing::Test, public SimulatedLink {
protected:
    void SetUp() override {
        profile.ResetToDefaults();
        profile.keys[0x41].kind = kKindKeyboard;  // A
        profile.brightnessLevel = 20;
    }

    bool Arrive(bool recording = false) {
        return OnKeyboardArrival(kKeyboardPath, channel, clock, recording, [&] {
            ++profileSteps;
            ApplyProfile(channel, profile);
        });
    }

    CDocProfile profile;
    int profileSteps = 0;
};
}  // namespace

TEST(KeyboardInterface, OnlyTheKeyboardsReportCollectionInAnyCase) {
    EXPECT_TRUE(IsKeyboardInterface(kKeyboardPath));
    EXPECT_TRUE(IsKeyboardInterface(u"\\\\?\\hid#vid_fffe&pid_011a&mi_01&col03#x"));
    EXPECT_FALSE(IsKeyboardInterface(kMousePath));
    EXPECT_FALSE(IsKeyboardInterface(u"\\\\?\\HID#VID_FFFE&PID_011A&MI_00#x"));
    EXPECT_FALSE(IsKeyboardInterface(u"\\\\?\\HID#VID_FFFE&PID_011A&MI_01&Col02#x"));
    EXPECT_FALSE(IsKeyboardInterface(u""));
}

TEST_F(DeviceArrival, ReplugSendsPresenceRecordingAndTheWholeProfile) {
    ASSERT_TRUE(channel.Open());
    ApplyProfile(channel, profile);
    keyboard.Unplug();
    // With the keyboard away a change reaches nothing...
    profile.backlightOn = 0;
    SendBacklightSwitch(channel, false);
    keyboard.Plug();
    EXPECT_FALSE(keyboard.State().backlight.has_value());
    keyboard.ClearLog();

    const uint64_t start = clock.NowMs();
    EXPECT_TRUE(Arrive());
    const auto log = keyboard.Log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front().timeMs - start, 500u);
    const CommandList commands = ReceivedCommands(keyboard);
    EXPECT_EQ(commands, (CommandList{{4, 1}, {14, 0}, {9, 0}, {11, 255}, {10, 0}, {7, 1}}));
    // ...and the arrival brings keyboard and driver in line with the profile.
    const SimulatedKeyboardState s = keyboard.State();
    EXPECT_EQ(s.present, true);
    EXPECT_EQ(s.backlight, false);
    EXPECT_EQ(s.brightness, 255);
    EXPECT_EQ(s.recording, false);
    EXPECT_EQ(s.table[0x04], 1);
    EXPECT_EQ(profileSteps, 1);
}

TEST_F(DeviceArrival, FirstArrivalOpensAChannelThatStartedWithoutDriver) {
    keyboard.SetDriverInstalled(false);
    EXPECT_FALSE(channel.Open());
    keyboard.SetDriverInstalled(true);
    EXPECT_TRUE(Arrive(true));
    EXPECT_TRUE(channel.HasListener());
    const CommandList commands = ReceivedCommands(keyboard);
    ASSERT_GE(commands.size(), 3u);
    EXPECT_EQ(commands[0], std::make_pair(4, 1));  // the handshake
    EXPECT_EQ(commands[1], std::make_pair(4, 1));  // presence
    EXPECT_EQ(commands[2], std::make_pair(14, 1));  // recording goes on
    EXPECT_EQ(keyboard.State().recording, true);
}

TEST_F(DeviceArrival, DriverStillMissingSendsNothingButRunsTheProfileStep) {
    keyboard.SetDriverInstalled(false);
    EXPECT_TRUE(Arrive());
    EXPECT_FALSE(channel.IsOpen());
    EXPECT_TRUE(keyboard.Log().empty());
    EXPECT_EQ(profileSteps, 1);
}

TEST_F(DeviceArrival, OtherDevicesProduceNoCommandAndNoWait) {
    ASSERT_TRUE(channel.Open());
    keyboard.ClearLog();
    const uint64_t start = clock.NowMs();
    EXPECT_FALSE(OnKeyboardArrival(kMousePath, channel, clock, false, [&] { ++profileSteps; }));
    EXPECT_EQ(clock.NowMs(), start);
    EXPECT_TRUE(keyboard.Log().empty());
    EXPECT_EQ(profileSteps, 0);
}

TEST(KeyboardRemoval, HeldKeysAreReleasedAndCountAsNewPressesAfterReplug) {
    DispatchRig rig;
    CKeyAction& a = rig.Key(code::kA);
    ASSERT_EQ(rig.Report({code::kA}), 1);
    EXPECT_EQ(a.released.load(), 0u);

    const auto release = [&] { rig.dispatcher.OnKeyboardRemoved(); };
    EXPECT_FALSE(OnKeyboardRemoval(kMousePath, true, release));
    EXPECT_EQ(a.released.load(), 0u);
    EXPECT_FALSE(OnKeyboardRemoval(kKeyboardPath, false, release));
    EXPECT_EQ(a.released.load(), 0u);
    EXPECT_TRUE(OnKeyboardRemoval(kKeyboardPath, true, release));
    EXPECT_EQ(a.released.load(), 1u);

    // Still held when the keyboard returns: a new press.
    ASSERT_EQ(rig.Report({code::kA}), 1);
    EXPECT_EQ(a.released.load(), 0u);
}
