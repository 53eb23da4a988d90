// The real program making its current profile current at start and acting
// on the keyboard's reports: a Keyboard action reaching a low-level hook,
// Fn+F10 and Fn+digit.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "device/KeyboardCommands.h"
#include "e2e/support/ProgramFixture.h"
#include "model/KeyTable.h"
#include "win/support/KeyboardHookRecorder.h"

namespace {

constexpr uint8_t kFn = 0x73;
constexpr uint8_t kF10 = 0x43;
constexpr uint8_t kF12 = 0x45;

class ProgramKeys : public ProgramFixture {
protected:
    void TearDown() override {
        EXPECT_TRUE(run_.Exit(kProgramTimeoutMs)) << "the program did not end on Exit";
        // The keyboard outlives the test: nothing stays held for the next one.
        watch_.Hold({});
    }
};

TEST_F(ProgramKeys, StartTellsTheKeyboardTheCurrentProfile) {
    const KeyboardLog log = StartWith(DefaultProfiles(), ProfileApplied);
    ASSERT_EQ(FindCommand(log, 4, 1), 0u) << "the handshake comes first";
    const std::size_t backlight = FindCommand(log, 9, 1);
    const std::size_t brightness = FindCommand(log, 11, 56, backlight);
    const std::size_t effect = FindCommand(log, 10, 0, brightness);
    const std::size_t gaming = FindCommand(log, 7, 1, effect);
    ASSERT_NE(backlight, kNotFound);
    ASSERT_NE(brightness, kNotFound) << "brightness level 10 is device value 56";
    ASSERT_NE(effect, kNotFound);
    ASSERT_NE(gaming, kNotFound);
    EXPECT_EQ(UploadsBetween(log, 0, backlight), 1u) << "one upload of the whole table";
    const KbSimLogEntry& table = log[backlight - 1];
    EXPECT_EQ(table.modifierMask, 0xFF);
    EXPECT_FALSE(Intercepts(table, 0x04)) << "a default profile intercepts nothing";
    for (std::size_t i = gaming + 1; i < log.size(); ++i) EXPECT_EQ(log[i].gamingFlags, 0) << "Alt+Tab and Alt+F4 stay";

    const KbSimState s = watch_.State();
    EXPECT_TRUE(s.gaming);
    EXPECT_TRUE(s.backlight);
    EXPECT_EQ(s.brightness, 56);
}

TEST_F(ProgramKeys, KeyboardActionSendsTheSubstituteKey) {
    CDocProfileSet profiles = DefaultProfiles();
    CKeyAction& a = profiles.Current()->keys[0x41];
    a.kind = kKindKeyboard;
    a.keyboardInputs = {InputRecord::Keyboard(0x42, 0x30, 0), InputRecord::Keyboard(0x42, 0x30, kKeyEventKeyUp)};
    const KeyboardLog log = StartWith(std::move(profiles), ProfileApplied);
    const std::size_t backlight = FindCommand(log, 9, 1);
    ASSERT_NE(backlight, kNotFound);
    EXPECT_TRUE(Intercepts(log[backlight - 1], 0x04)) << "A is assigned, so the driver is to intercept it";

    KeyboardHookRecorder hook;
    watch_.Hold({0x04});
    watch_.Hold({});
    const auto keys = hook.WaitFor(2, std::chrono::seconds(5));
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].vk, 0x42u);
    EXPECT_FALSE(keys[0].flags & LLKHF_UP);
    EXPECT_EQ(keys[1].vk, 0x42u);
    EXPECT_TRUE(keys[1].flags & LLKHF_UP);
}

TEST_F(ProgramKeys, FnF10TogglesGamingMode) {
    ASSERT_TRUE(ProfileApplied(StartWith(DefaultProfiles(), ProfileApplied)));
    FnChord(kF10);
    const KeyboardLog log = watch_.WaitUntilTaken(7, 0);
    ASSERT_NE(FindCommand(log, 7, 0), kNotFound) << "gaming mode was on, Fn+F10 turns it off";
    EXPECT_FALSE(watch_.State().gaming);
    HWND gamingSwitch = GetDlgItem(PageWith(WaitForMainWindow(std::chrono::seconds(5)), 1007), 1006);
    EXPECT_EQ(SendMessageW(gamingSwitch, BM_GETCHECK, 0, 0), BST_UNCHECKED) << "the gaming page shows it";
}

TEST_F(ProgramKeys, FnDigitSwitchesToTheProfileWithThatAccelerator) {
    CDocProfileSet profiles = DefaultProfiles();
    profiles.AddDefaultProfile(u"Racing");
    CDocProfile& racing = *profiles.Find(u"Racing");
    racing.accelerator = 3;
    racing.brightnessLevel = 20;
    racing.backlightEffect = 2;
    ASSERT_TRUE(ProfileApplied(StartWith(std::move(profiles), ProfileApplied)));

    FnChord(0x20);  // digit 3 of the main block
    const KeyboardLog log = watch_.WaitUntil(
        [](const KeyboardLog& l) { return Taken(l, FindCommand(l, 10, 2, FindCommand(l, 11, 255))); }, 10000);
    ASSERT_NE(FindCommand(log, 11, 255), kNotFound) << "level 20 is device value 255";
    EXPECT_NE(FindCommand(log, 10, 2), kNotFound);
    const KbSimState s = watch_.State();
    EXPECT_EQ(s.brightness, 255);
    EXPECT_EQ(s.effect, 2);
}

// The repeat thread reaches the window with SendMessageW; Exit while the key
// is still held must end that repeat rather than wait for it for ever.
TEST_F(ProgramKeys, HeldFnF12StepsBrightnessUpUntilExit) {
    ASSERT_TRUE(ProfileApplied(StartWith(DefaultProfiles(), ProfileApplied)));
    watch_.Mark();
    watch_.Hold({kFn});
    watch_.Hold({kFn, kF12});
    const uint8_t level11 = BrightnessValue(11);
    const uint8_t level12 = BrightnessValue(12);
    const KeyboardLog log = watch_.WaitUntil(
        [&](const KeyboardLog& l) { return FindCommand(l, 11, level12, FindCommand(l, 11, level11)) != kNotFound; },
        10000);
    EXPECT_NE(FindCommand(log, 11, level12, FindCommand(log, 11, level11)), kNotFound)
        << "level 10 goes to 11 at once and to 12 after the first pause";
    HWND slider = GetDlgItem(PageWith(WaitForMainWindow(std::chrono::seconds(5)), 1005, L"msctls_trackbar32"), 1005);
    EXPECT_GE(SendMessageW(slider, TBM_GETPOS, 0, 0), 12) << "the backlight page's slider follows";
}

}  // namespace
