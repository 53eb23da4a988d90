#include <gtest/gtest.h>

#include "device/KeyboardCommands.h"
#include "model/DocProfile.h"
#include "support/SimulatedLink.h"

namespace {
class KeyboardCommands : public ::testing::Test, public SimulatedLink {
protected:
    void SetUp() override {
        profile.ResetToDefaults();
        profile.name = u"Profile1";
        ASSERT_TRUE(channel.Open());
        // The listener's first status request waits in the keyboard, so a
        // fault set for the next request reaches a command, not the listener.
        ASSERT_TRUE(WaitUntil([&] { return keyboard.PendingStatusRequests() == 1; }));
        keyboard.ClearLog();
    }

    CKeyAction& Slot(uint8_t keyCode) { return profile.keys[keyCode]; }

    // The gaming flags of every upload, in order.
    std::vector<int> UploadedFlags() const {
        std::vector<int> flags;
        for (const SimulatedDeviceEvent& e : keyboard.Log())
            if (e.kind == SimulatedDeviceEvent::Kind::Upload) flags.push_back(e.gamingFlags);
        return flags;
    }

    CDocProfile profile;
};

constexpr uint8_t kSlotA = 0x41, kSlotLeftShift = 0xA0;
}  // namespace

TEST(BrightnessValue, TableEndsMiddleAndOutOfRangeLevels) {
    EXPECT_EQ(BrightnessValue(1), 0);
    EXPECT_EQ(BrightnessValue(10), 56);
    EXPECT_EQ(BrightnessValue(20), 255);
    EXPECT_EQ(BrightnessValue(17), 172);
    EXPECT_EQ(BrightnessValue(0), 0);
    EXPECT_EQ(BrightnessValue(21), 255);
    EXPECT_EQ(BrightnessValue(0xFFFFFFFF), 255);
    for (uint32_t level = 2; level <= 20; ++level) EXPECT_GT(BrightnessValue(level), BrightnessValue(level - 1));
}

TEST_F(KeyboardCommands, ProfileBecomingCurrentUploadsOnceThenSendsBacklightThenGaming) {
    Slot(kSlotA).kind = kKindKeyboard;
    profile.disableAltF4 = 1;
    ApplyProfile(channel, profile);

    const auto log = keyboard.Log();
    ASSERT_EQ(log.size(), 1u + 4u) << "one upload with every key and both flags, then the commands";
    EXPECT_EQ(log[0].kind, SimulatedDeviceEvent::Kind::Upload);
    EXPECT_EQ(log[0].gamingFlags, kBlockAltF4);
    EXPECT_EQ(ReceivedCommands(keyboard), (CommandList{{9, 1}, {11, 56}, {10, 0}, {7, 1}}));

    const SimulatedKeyboardState s = keyboard.State();
    EXPECT_EQ(s.table[0x04], 1);
    EXPECT_EQ(s.gamingFlags, kBlockAltF4);
    EXPECT_EQ(s.brightness, 56);
    EXPECT_EQ(s.gaming, true);

    // Again with gaming mode off: the flags are cleared in the one upload.
    keyboard.ClearLog();
    profile.gamingMode = 0;
    ApplyProfile(channel, profile);
    EXPECT_EQ(UploadedFlags(), std::vector<int>{0});
    EXPECT_EQ(ReceivedCommands(keyboard).back(), (std::pair<int, int>{7, 0}));
}

TEST_F(KeyboardCommands, GamingFlagsAreSentAgainWhenTheLastUploadFailed) {
    ApplyProfile(channel, profile);
    keyboard.ClearLog();
    ApplyGaming(channel, true, true, false);
    EXPECT_EQ(UploadedFlags(), std::vector<int>{kBlockAltTab}) << "only the flag that changed";

    keyboard.FailRequests(1);
    UploadGamingFlag(channel, kBlockAltF4, true);  // the Alt+F4 box, its upload lost
    EXPECT_EQ(keyboard.State().gamingFlags, kBlockAltTab);
    keyboard.ClearLog();
    ApplyGaming(channel, true, true, true);
    EXPECT_FALSE(UploadedFlags().empty()) << "a failed upload is not taken as sent";
    EXPECT_EQ(keyboard.State().gamingFlags, kBlockAltTab | kBlockAltF4);
}

TEST_F(KeyboardCommands, AssignedKeysAreInterceptedUntilSetBackToDefault) {
    Slot(kSlotA).kind = kKindKeyboard;
    Slot(kSlotLeftShift).kind = kKindMacro;
    ApplyKeys(channel, profile);
    EXPECT_EQ(keyboard.State().table[0x04], 1);
    EXPECT_EQ(keyboard.State().table[255], 0xFD);

    Slot(kSlotA).kind = kKindDefault;
    ApplyKey(channel, Slot(kSlotA));
    Slot(kSlotLeftShift).kind = kKindDefault;
    ApplyKey(channel, Slot(kSlotLeftShift));
    EXPECT_EQ(keyboard.State().table, EmptyInterceptTable());

    keyboard.ClearLog();
    ApplyKey(channel, CKeyAction());  // no device code: nothing sent
    EXPECT_TRUE(keyboard.Log().empty());
}

TEST_F(KeyboardCommands, GamingOffClearsBothFlagsWhateverTheSwitchesSay) {
    ApplyGaming(channel, true, true, true);
    EXPECT_EQ(UploadedFlags(), (std::vector<int>{kBlockAltTab, kBlockAltTab | kBlockAltF4}));
    keyboard.ClearLog();
    ApplyGaming(channel, false, true, true);
    EXPECT_EQ(ReceivedCommands(keyboard), (CommandList{{7, 0}}));
    EXPECT_EQ(UploadedFlags(), (std::vector<int>{kBlockAltF4, 0}));
    EXPECT_EQ(keyboard.State().gaming, false);
}

TEST_F(KeyboardCommands, RecordingClearsTheDriverAndStoppingRestoresTheProfile) {
    Slot(kSlotA).kind = kKindKeyboard;
    Slot(kSlotLeftShift).kind = kKindMacro;
    profile.disableAltTab = 1;
    ApplyProfile(channel, profile);
    const InterceptTable assigned = keyboard.State().table;

    keyboard.ClearLog();
    EnterRecording(channel);
    EXPECT_EQ(ReceivedCommands(keyboard), (CommandList{{14, 1}}));
    EXPECT_EQ(keyboard.State().table, EmptyInterceptTable());
    EXPECT_EQ(keyboard.State().gamingFlags, 0);
    EXPECT_EQ(keyboard.State().recording, true);

    keyboard.ClearLog();
    LeaveRecording(channel, profile);
    EXPECT_EQ(ReceivedCommands(keyboard), (CommandList{{14, 0}}));
    EXPECT_EQ(keyboard.State().table, assigned);
    EXPECT_EQ(keyboard.State().gamingFlags, kBlockAltTab);
}

TEST_F(KeyboardCommands, SingleBacklightCommands) {
    SendBacklightSwitch(channel, false);
    SendBacklightEffect(channel, 2);
    SendBrightnessLevel(channel, 20);
    EXPECT_EQ(ReceivedCommands(keyboard), (CommandList{{9, 0}, {10, 2}, {11, 255}}));
    keyboard.ClearLog();
    profile.backlightOn = 0;
    profile.brightnessLevel = 1;
    ApplyBacklight(channel, profile);  // all three, even with the light off
    EXPECT_EQ(ReceivedCommands(keyboard), (CommandList{{9, 0}, {11, 0}, {10, 0}}));
}

TEST_F(KeyboardCommands, ClosedChannelSendsNothingAndKeepsTheFlags) {
    channel.SetGamingFlag(kBlockAltTab, true);
    channel.Close();
    keyboard.ClearLog();
    ApplyProfile(channel, profile);
    EnterRecording(channel);
    EXPECT_TRUE(keyboard.Log().empty());
    EXPECT_EQ(channel.GamingFlags(), kBlockAltTab);
}
