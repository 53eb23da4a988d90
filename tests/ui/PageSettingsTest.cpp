// The backlight and gaming pages' rules, against the simulated keyboard:
// what each control sends, what a profile shows, and when the profile changes.
#include <gtest/gtest.h>

#include "device/KeyboardCommands.h"
#include "support/OneProfileLink.h"
#include "ui/BacklightSettings.h"
#include "ui/GamingSettings.h"

namespace {
class PageSettings : public OneProfileLink {
protected:
    CDocProfile& Current() { return *set.Current(); }
    std::vector<int> UploadedFlags() const {
        std::vector<int> flags;
        for (const SimulatedDeviceEvent& e : keyboard.Log())
            if (e.kind == SimulatedDeviceEvent::Kind::Upload) flags.push_back(e.gamingFlags);
        return flags;
    }

    CBacklightSettings backlight{set, channel};
    CGamingSettings gaming{set, channel};
};

TEST_F(PageSettings, BacklightOfAProfileMadeCurrentIsSentWholeAndADamagedLevelShownClamped) {
    const struct {
        const char* name;
        uint32_t on;
        uint8_t level;
        uint8_t effect;
        int shownLevel;
        int sentValue;
        bool modified;
    } cases[] = {
        {"level 10", 1, 10, 1, 10, 0x38, false},
        {"off still sends all three", 0, 14, 2, 14, 0x70, false},
        {"level 0 from a damaged file", 1, 0, 0, 1, 0x00, true},
        {"level 200 from a damaged file", 1, 200, 0, 20, 0xFF, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Current().backlightOn = c.on;
        Current().brightnessLevel = c.level;
        Current().backlightEffect = c.effect;
        Current().SetModifiedFlag(false);
        keyboard.ClearLog();
        ApplyProfile(channel, Current());
        const BacklightControls shown = CBacklightSettings::Show(Current());
        EXPECT_EQ(shown.on, c.on != 0);
        EXPECT_EQ(shown.level, c.shownLevel);
        EXPECT_EQ(ReceivedCommands(keyboard), (CommandList{{9, static_cast<int>(c.on)},
                                                           {11, c.sentValue},
                                                           {10, c.effect},
                                                           {7, static_cast<int>(Current().gamingMode)}}));
        EXPECT_EQ(Current().brightnessLevel, c.shownLevel) << "the clamped level is written back";
        EXPECT_EQ(Current().IsModified(), c.modified);
    }
}

TEST_F(PageSettings, BacklightControlsSendAtOnceAndMarkOnlyRealChanges) {
    BacklightControls c = CBacklightSettings::Show(Current());

    backlight.OnEffect(c);  // the effect already selected
    EXPECT_EQ(ReceivedCommands(keyboard), (CommandList{{10, 0}}));
    EXPECT_FALSE(Current().IsModified());

    c.level = 1;
    backlight.OnBrightness(c);
    EXPECT_EQ(ReceivedCommands(keyboard).back(), (std::pair<int, int>{11, 0x00}));
    EXPECT_EQ(Current().brightnessLevel, 1);
    EXPECT_TRUE(Current().IsModified());

    c.on = false;
    backlight.OnSwitch(c);
    EXPECT_EQ(ReceivedCommands(keyboard).back(), (std::pair<int, int>{9, 0}));
    EXPECT_EQ(Current().backlightOn, 0u);
    EXPECT_EQ(Current().brightnessLevel, 1) << "the slider keeps its value while disabled";

    c.effect = 2;
    backlight.OnEffect(c);
    EXPECT_EQ(Current().backlightEffect, 2);
}

TEST_F(PageSettings, GamingSwitchSendsCommandThenBothFlags) {
    Current().disableAltTab = 1;
    Current().disableAltF4 = 1;
    GamingControls c = CGamingSettings::Show(Current());
    ASSERT_TRUE(c.gaming);
    gaming.OnGamingSwitch(c);
    EXPECT_EQ(ReceivedCommands(keyboard), (CommandList{{7, 1}}));
    EXPECT_EQ(UploadedFlags(), (std::vector<int>{2, 3})) << "Alt+Tab first, then Alt+F4";
    EXPECT_FALSE(Current().IsModified());

    keyboard.ClearLog();
    c.gaming = false;
    gaming.OnGamingSwitch(c);
    EXPECT_EQ(ReceivedCommands(keyboard), (CommandList{{7, 0}}));
    EXPECT_EQ(UploadedFlags(), (std::vector<int>{1, 0}));
    EXPECT_EQ(Current().gamingMode, 0u);
    EXPECT_EQ(Current().disableAltF4, 1u) << "the ticks stay while gaming mode is off";
    EXPECT_TRUE(Current().IsModified());
}

TEST_F(PageSettings, GamingBlockingsUploadOneFlagAndTheWindowsKeyIsOnlyStored) {
    GamingControls c = CGamingSettings::Show(Current());
    gaming.OnGamingSwitch(c);
    EXPECT_EQ(UploadedFlags(), (std::vector<int>{0})) << "a default profile blocks nothing; sent once";
    EXPECT_TRUE(c.disableWinKey);
    keyboard.ClearLog();

    c.disableAltF4 = true;
    gaming.OnAltF4(c);
    EXPECT_EQ(UploadedFlags(), std::vector<int>{1});
    EXPECT_TRUE(ReceivedCommands(keyboard).empty());
    EXPECT_EQ(Current().disableAltF4, 1u);
    EXPECT_TRUE(Current().IsModified());

    keyboard.ClearLog();
    c.disableWinKey = false;
    gaming.CommitIfChanged(c);
    EXPECT_TRUE(keyboard.Log().empty());
    EXPECT_EQ(Current().disableWinKey, 0u);

    channel.Close();
    keyboard.ClearLog();
    c.disableAltTab = true;
    gaming.OnAltTab(c);
    EXPECT_EQ(UploadedFlags(), std::vector<int>{}) << "nothing is uploaded to a closed channel";
    EXPECT_EQ(Current().disableAltTab, 1u) << "the profile still changes";
}
}  // namespace
