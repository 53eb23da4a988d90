// The main window as a user works it, with the mouse and the keys on the
// real program: the backlight and gaming pages sending to the keyboard,
// picking another profile with the save question, renaming a profile, and
// what Exit then saves.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "device/KeyboardCommands.h"
#include "e2e/support/ProgramWindows.h"
#include "e2e/support/UserHands.h"
#include "e2e/support/WindowFlowFixture.h"
#include "e2e/support/MainWindowPlaces.h"

using namespace std::chrono_literals;

namespace {

// Centres of controls, relative to the main window (pages are placed at
// 280,160 inside it).
constexpr POINT kGamingButton{509, 113};
constexpr POINT kBreath{280 + 396, 160 + 180};
constexpr POINT kGamingSwitch{280 + 231, 160 + 61};
constexpr POINT kAltF4{280 + 329, 160 + 214};
constexpr POINT kAcceleratorList{156, 418};
constexpr int kSliderId = 1005;

class MainWindowFlow : public WindowFlowFixture {};

TEST_F(MainWindowFlow, BacklightAndGamingPagesSendAtOnceAndTheSaveQuestionKeepsThem) {
    CDocProfileSet profiles = DefaultProfiles();
    profiles.AddDefaultProfile(u"Raid");
    profiles.Find(u"Raid")->brightnessLevel = 20;
    HWND main = Start(std::move(profiles));
    ASSERT_NE(main, nullptr);

    Click(main, kBacklightButton);
    HWND backlight = PageWith(main, 1005, L"msctls_trackbar32");
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(backlight) != 0; }, 5s)) << "the backlight page shows";
    HWND slider = GetDlgItem(backlight, kSliderId);

    watch_.Mark();
    Click(main, kBacklightSwitch);
    EXPECT_NE(FindCommand(watch_.WaitUntilTaken(9, 0), 9, 0), kNotFound) << "switching off sends 9 with 0";
    EXPECT_TRUE(WaitFor([&] { return !IsWindowEnabled(slider); }, 2s)) << "the slider turns disabled";
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(backlight, 1057))) << "and so do the effects";

    watch_.Mark();
    Click(main, kBacklightSwitch);
    EXPECT_NE(FindCommand(watch_.WaitUntilTaken(9, 1), 9, 1), kNotFound);
    ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(slider) != 0; }, 2s));

    // A click on the track puts the thumb there; the level it took is sent.
    watch_.Mark();
    RECT track{};
    GetWindowRect(slider, &track);
    RECT mainRect{};
    GetWindowRect(main, &mainRect);
    Click(main, {track.left - mainRect.left + (track.right - track.left) * 4 / 5,
                 (track.top + track.bottom) / 2 - mainRect.top});
    ASSERT_TRUE(WaitFor([&] { return SendMessageW(slider, TBM_GETPOS, 0, 0) != 10; }, 5s));
    const int level = static_cast<int>(SendMessageW(slider, TBM_GETPOS, 0, 0));
    EXPECT_NE(FindCommand(watch_.WaitUntilTaken(11, BrightnessValue(level)), 11, BrightnessValue(level)), kNotFound);

    watch_.Mark();
    Click(main, kBreath);
    EXPECT_NE(FindCommand(watch_.WaitUntilTaken(10, 2), 10, 2), kNotFound);

    Click(main, kGamingButton);
    watch_.Mark();
    Click(main, kAltF4);
    KeyboardLog log = watch_.WaitUntil([](const KeyboardLog& l) { return UploadsBetween(l, 0, l.size()) >= 1; }, 5000);
    ASSERT_EQ(UploadsBetween(log, 0, log.size()), 1u) << "one upload for the Alt+F4 box";
    EXPECT_EQ(log.back().gamingFlags, 1);

    watch_.Mark();
    Click(main, kGamingSwitch);
    log = watch_.WaitUntil([](const KeyboardLog& l) { return UploadsBetween(l, 0, l.size()) >= 1; }, 5000);
    EXPECT_EQ(FindCommand(log, 7, 0), 0u);
    EXPECT_EQ(UploadsBetween(log, 0, log.size()), 1u) << "only the Alt+F4 flag changes";
    EXPECT_EQ(log.back().gamingFlags, 0) << "both flags cleared";

    // Another profile from the list: the question names the one left; Yes.
    watch_.Mark();
    Click(main, kProfileList);
    HWND dropDown = OpenDropDown(main, 5s);
    ASSERT_NE(dropDown, nullptr);
    ASSERT_TRUE(PickRow(dropDown, 1));
    HWND question = WaitForMessageBox(5s);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(MessageText(question), L"Are you sure to save 'Profile1'?");
    ASSERT_TRUE(ClickButton(question, IDYES));
    log = watch_.WaitUntil(
        [](const KeyboardLog& l) { return FindCommand(l, 11, 255, FindCommand(l, 7, 1)) != kNotFound; }, 10000);
    const std::size_t on = FindCommand(log, 9, 1);
    ASSERT_NE(on, kNotFound);
    EXPECT_EQ(UploadsBetween(log, 0, on), 1u) << "the new profile's interception first, in one upload";
    const std::size_t brightness = FindCommand(log, 11, 255, on);
    const std::size_t effect = FindCommand(log, 10, 0, brightness);
    const std::size_t gaming = FindCommand(log, 7, 1, effect);
    EXPECT_NE(gaming, kNotFound) << "then 11, 10 and 7 in this order";
    EXPECT_NE(FindCommand(log, 11, 255, gaming), kNotFound) << "11 once more from the slider's end of scroll";

    CDocProfileSet saved = ExitAndRead();
    const CDocProfile& kept = *saved.Find(u"Profile1");
    EXPECT_EQ(kept.backlightOn, 1u);
    EXPECT_EQ(kept.brightnessLevel, level);
    EXPECT_EQ(kept.backlightEffect, 2);
    EXPECT_EQ(kept.gamingMode, 0u);
    EXPECT_EQ(kept.disableAltF4, 1u);
    EXPECT_EQ(saved.currentName, u"Raid");
}

TEST_F(MainWindowFlow, EnterInTheNameEditRenamesAndATakenNameIsRefused) {
    CDocProfileSet profiles = DefaultProfiles();
    profiles.AddDefaultProfile(u"Raid");
    profiles.Find(u"Profile1")->accelerator = 2;
    HWND main = Start(std::move(profiles));
    ASSERT_NE(main, nullptr);

    Click(main, kProfileNameEdit);
    ASSERT_TRUE(PressKeys("End BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace"));
    ASSERT_TRUE(TypeText("Raid"));
    ASSERT_TRUE(PressKeys("Return"));
    ASSERT_TRUE(WaitFor([&] { return !run_.Answered().empty(); }, 5s)) << "a taken name is refused with a message";
    EXPECT_EQ(run_.Answered().front(), L"A profile named 'Raid' already exists.");

    Click(main, kProfileNameEdit);
    ASSERT_TRUE(PressKeys("End BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace"));
    ASSERT_TRUE(TypeText("Solo"));
    ASSERT_TRUE(PressKeys("Return"));
    HWND list = GetDlgItem(main, 1024);
    wchar_t shown[64] = {};
    EXPECT_TRUE(WaitFor([&] { return GetWindowTextW(list, shown, 64) && std::wstring(shown) == L"Solo"; }, 5s))
        << "the list shows the new name";

    // Alt+F4 hides the window to the tray; the program keeps running.
    ASSERT_TRUE(PressKeys("alt+F4"));
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(main); }, 5s));

    CDocProfileSet saved = ExitAndRead();
    EXPECT_EQ(saved.Find(u"Profile1"), nullptr);
    ASSERT_NE(saved.Find(u"Solo"), nullptr);
    EXPECT_EQ(saved.Find(u"Solo")->accelerator, 2u);
    EXPECT_EQ(saved.currentName, u"Solo");
    EXPECT_NE(saved.Find(u"Raid"), nullptr);
    EXPECT_EQ(run_.Answered().size(), 1u) << "no second refusal";
}

// As long as the save question is open, Fn + digit changes no profile: the
// question's No restores the profile it names, and nothing else moves.
TEST_F(MainWindowFlow, FnDigitWaitsWhileTheSaveQuestionIsOpen) {
    CDocProfileSet profiles = DefaultProfiles();
    profiles.AddDefaultProfile(u"Racing");
    profiles.AddDefaultProfile(u"Sniper");
    profiles.Find(u"Sniper")->accelerator = 3;
    HWND main = Start(std::move(profiles));
    ASSERT_NE(main, nullptr);

    Click(main, kAcceleratorList);
    HWND dropDown = OpenDropDown(main, 5s);
    ASSERT_NE(dropDown, nullptr);
    ASSERT_TRUE(PickRow(dropDown, 5)) << "Fn + 5 marks Profile1 modified";
    ASSERT_TRUE(WaitFor([&] { return OpenDropDown(main, 0ms) == nullptr; }, 5s));

    Click(main, kProfileList);
    dropDown = OpenDropDown(main, 5s);
    ASSERT_NE(dropDown, nullptr);
    ASSERT_TRUE(PickRow(dropDown, 1));
    HWND question = WaitForMessageBox(5s);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(MessageText(question), L"Are you sure to save 'Profile1'?");

    watch_.Mark();
    FnChord(0x20);  // digit 3
    Sleep(500);
    EXPECT_TRUE(IsWindow(question)) << "the question stays the only one";
    ASSERT_TRUE(ClickButton(question, IDNO));
    EXPECT_EQ(WaitForMessageBox(1s), nullptr) << "no second question";

    CDocProfileSet saved = ExitAndRead();
    EXPECT_EQ(saved.currentName, u"Racing");
    std::vector<std::u16string> names;
    for (const auto& [name, profile] : saved.profiles) names.push_back(profile.name);
    EXPECT_EQ(names, (std::vector<std::u16string>{u"Profile1", u"Racing", u"Sniper"}));
    EXPECT_EQ(saved.Find(u"Profile1")->accelerator, 0u) << "No restored it";
    EXPECT_EQ(saved.Find(u"Sniper")->accelerator, 3u);
}

}  // namespace
