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

TEST_F(KeyboardCommands, ProfileBecomingCurrentSendsKeysBacklightThenGaming) {
    int withCode = 0;
    for (const CKeyAction& k : profile.keys) withCode += k.code != 0;
    ApplyProfile(channel, profile);

    const auto log = keyboard.Log();
    ASSERT_EQ(log.size(), static_cast<std::size_t>(withCode + 4 + 2));
    for (int i = 0; i < withCode; ++i) EXPECT_EQ(log[i].kind, SimulatedDeviceEvent::Kind::Upload) << i;
    EXPECT_EQ(ReceivedCommands(keyboard), (CommandList{{9, 1}, {11, 56}, {10, 0}, {7, 1}}));
    EXPECT_EQ(log[withCode + 4].kind, SimulatedDeviceEvent::Kind::Upload);
    EXPECT_EQ(log[withCode + 5].kind, SimulatedDeviceEvent::Kind::Upload);

    const SimulatedKeyboardState s = keyboard.State();
    EXPECT_EQ(s.table, EmptyInterceptTable());  // every key of a default profile unassigned
    EXPECT_EQ(s.gamingFlags, 0);
    EXPECT_EQ(s.brightness, 56);
    EXPECT_EQ(s.gaming, true);
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

TEST_F(KeyboardCommands, KeysAndFlagsSendAltF4BeforeAltTab) {
    profile.disableAltF4 = 1;
    profile.disableAltTab = 1;
    ApplyKeysAndGamingFlags(channel, profile);
    const auto flags = UploadedFlags();
    ASSERT_GE(flags.size(), 2u);
    EXPECT_EQ(flags[flags.size() - 2], kBlockAltF4);
    EXPECT_EQ(flags.back(), kBlockAltF4 | kBlockAltTab);
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
