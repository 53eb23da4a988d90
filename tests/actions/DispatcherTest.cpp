#include "actions/Dispatcher.h"

#include <gtest/gtest.h>

#include "actions/StoppableWait.h"
#include "support/DispatchRig.h"

using namespace code;

TEST(Dispatcher, ReportOfAnotherLengthOrWithoutCurrentProfileIsIgnored) {
    DispatchRig rig;
    DispatchRig::AssignKeyboard(rig.Key(kA), 'A');
    const std::array<uint8_t, 16> longReport{0, 0, kA};
    EXPECT_EQ(rig.dispatcher.OnDeviceReport(longReport.data(), longReport.size()), 0);
    rig.set.currentName = u"Nobody";
    EXPECT_EQ(rig.Report({kA}), 0);
    rig.set.currentName = u"Profile1";
    rig.RunUntil(100);
    EXPECT_TRUE(rig.input.Events().empty());
    EXPECT_EQ(rig.Key(kA).released, 1u);
    // Neither report became the previous one: A is still a new press.
    EXPECT_EQ(rig.Report({kA}), 1);
    rig.RunUntil(200);
    EXPECT_EQ(rig.input.TimesOf("down 0x41"), (std::vector<uint64_t>{100}));
}

TEST(Dispatcher, HeldKeyActsOnceAndItsReleaseDoesNothing) {
    DispatchRig rig;
    DispatchRig::AssignKeyboard(rig.Key(kA), 'A');
    EXPECT_EQ(rig.Report({kA}), 1);
    rig.RunUntil(100);
    EXPECT_EQ(rig.Report({kA}), 1);  // auto-repeat of the keyboard: the same state again
    rig.RunUntil(200);
    EXPECT_EQ(rig.Report({}), 1);
    rig.RunUntil(300);
    EXPECT_EQ(rig.input.Events(), (std::vector<HostEvent>{{0, "down 0x41"}, {30, "up 0x41"}}));
    EXPECT_EQ(rig.Key(kA).released, 1u);
}

TEST(Dispatcher, ModifiersComeBeforeKeysOfTheSameReport) {
    DispatchRig rig;
    DispatchRig::AssignKeyboard(rig.Key(kLeftShiftBit, kKeyTypeModifier), 'S');
    DispatchRig::AssignKeyboard(rig.Key(kA), 'A');
    rig.Report(kLeftShiftBit, {kA});
    rig.RunUntil(100);
    EXPECT_EQ(rig.input.Events(), (std::vector<HostEvent>{{0, "down 0x53"}, {0, "down 0x41"}, {30, "up 0x53"}, {30, "up 0x41"}}));
    rig.Report(0, {kA});
    EXPECT_EQ(rig.Key(kLeftShiftBit, kKeyTypeModifier).released, 1u);
}

TEST(Dispatcher, QuickTapStillActs) {
    DispatchRig rig;
    DispatchRig::AssignKeyboard(rig.Key(kEnter), 0x0D);
    rig.Report({kEnter});
    rig.Report({});  // released before its worker had a chance to start
    rig.RunUntil(100);
    EXPECT_EQ(rig.input.Events(), (std::vector<HostEvent>{{0, "down 0x0D"}, {30, "up 0x0D"}}));
}

TEST(Dispatcher, AcceleratorSelectsTheFirstProfileInNameOrderInsteadOfTheDigitsAction) {
    DispatchRig rig;
    DispatchRig::AssignKeyboard(rig.Key(kDigit3), '3');
    for (const char16_t* name : {u"Zeta", u"Beta"}) {
        rig.set.AddDefaultProfile(name);
        rig.set.Find(name)->accelerator = 3;
    }
    rig.Report({kFn});
    rig.Report({kFn, kDigit3});
    rig.Report({kFn});  // releasing 3 while Fn is held
    rig.RunUntil(100);
    EXPECT_EQ(rig.host.selected, (std::vector<std::u16string>{u"Beta"}));
    EXPECT_EQ(rig.set.currentName, u"Beta");
    EXPECT_TRUE(rig.input.Events().empty());
}

TEST(Dispatcher, DigitWithoutAcceleratorRunsItsOwnActionUnderFn) {
    DispatchRig rig;
    DispatchRig::AssignKeyboard(rig.Key(kDigit3), '3');
    rig.Report({kFn, kDigit3});
    rig.RunUntil(100);
    EXPECT_TRUE(rig.host.selected.empty());
    EXPECT_EQ(rig.input.TimesOf("down 0x33"), (std::vector<uint64_t>{0}));
}

TEST(Dispatcher, HeldFnF3StepsVolumeUpFasterAndFaster) {
    DispatchRig rig;
    rig.RunUntil(1000);
    rig.Report({kFn});
    rig.Report({kFn, kF3});
    rig.RunUntil(2500);
    rig.Report({kFn});
    rig.RunUntil(3000);
    const std::vector<uint64_t> presses = rig.input.TimesOf("tap-down 0xAF");
    ASSERT_GE(presses.size(), 4u);
    EXPECT_EQ(std::vector<uint64_t>(presses.begin(), presses.begin() + 4),
              (std::vector<uint64_t>{1010, 1630, 1950, 2120}));
    EXPECT_LT(presses.back(), 2500u + 30);
    EXPECT_EQ(rig.dispatcher.Runner().Running(), 0u);
}

TEST(Dispatcher, FnF2WhileF3RepeatsTurnsTheRepeatAround) {
    DispatchRig rig;
    rig.Report({kFn, kF3});
    rig.RunUntil(100);
    rig.Report({kFn, kF3, kF2});
    rig.RunUntil(2000);
    rig.Report({kFn});
    rig.RunUntil(3000);
    EXPECT_EQ(rig.input.TimesOf("tap-down 0xAF"), (std::vector<uint64_t>{10}));
    const std::vector<uint64_t> downs = rig.input.TimesOf("tap-down 0xAE");
    ASSERT_FALSE(downs.empty());
    EXPECT_EQ(downs.front(), 110u);
    EXPECT_LT(downs.back(), 2000u + 30);
    EXPECT_EQ(rig.dispatcher.Runner().Running(), 0u);
}

TEST(Dispatcher, FKeyWithoutFnRunsItsOwnAction) {
    DispatchRig rig;
    DispatchRig::AssignKeyboard(rig.Key(kF2), 'Q');
    rig.Report({kF2});
    rig.RunUntil(100);
    EXPECT_EQ(rig.input.Events(), (std::vector<HostEvent>{{0, "down 0x51"}, {30, "up 0x51"}}));
}

TEST(Dispatcher, FnF9StartsRecordingIntoANewMacroAndNothingElseActsWhileRecording) {
    DispatchRig rig;
    DispatchRig::AssignKeyboard(rig.Key(kA), 'A');
    rig.set.AddDefaultProfile(u"Other");
    rig.set.Find(u"Other")->accelerator = 3;
    rig.Report({kFn, kF9});
    EXPECT_TRUE(rig.host.recording);
    EXPECT_EQ(rig.host.newMacros, 1);
    rig.Report({kFn, kF9, kA, kF1, kDigit3, kPause});
    rig.RunUntil(1000);
    EXPECT_TRUE(rig.input.Events().empty());
    EXPECT_TRUE(rig.host.selected.empty());
    rig.Report({kFn});
    rig.Report({kFn, kF9});  // stops the recording, without a new macro
    EXPECT_FALSE(rig.host.recording);
    EXPECT_EQ(rig.host.newMacros, 1);
}

TEST(Dispatcher, FnF10TogglesGamingModeWithoutMarkingTheProfile) {
    DispatchRig rig;
    rig.Report({kFn, kF10});
    rig.Report({kFn});
    rig.Report({kFn, kF10});
    EXPECT_EQ(rig.host.gamingApplied, (std::vector<uint32_t>{0, 1}));
    EXPECT_FALSE(rig.Current().IsModified());
}

TEST(Dispatcher, FnF12StopsAtTwentyAndFnF11DoesNothingWithTheBacklightOff) {
    DispatchRig rig;
    rig.Current().brightnessLevel = 19;
    rig.Report({kFn, kF12});
    rig.RunUntil(2000);
    rig.Report({kFn});
    EXPECT_EQ(rig.Current().brightnessLevel, 20);
    EXPECT_EQ(rig.host.backlightApplied, (std::vector<uint32_t>{20}));
    rig.Current().backlightOn = 0;
    rig.Report({kFn, kF11});
    rig.RunUntil(4000);
    rig.Report({kFn});
    EXPECT_EQ(rig.Current().brightnessLevel, 20);
    EXPECT_EQ(rig.host.backlightApplied.size(), 1u);
}

TEST(Dispatcher, FnF11StepsDownOnTheRepeatSchedule) {
    DispatchRig rig;
    std::vector<uint64_t> seen;
    rig.Report({kFn, kF11});
    for (uint64_t t = 0; t < 1200; ++t) {
        rig.RunUntil(t);
        rig.clock.SleepMs(0);  // after the repeat's step due now
        if (seen.size() < static_cast<std::size_t>(10 - rig.Current().brightnessLevel)) seen.push_back(t);
    }
    rig.Report({kFn});
    EXPECT_EQ(std::vector<uint64_t>(seen.begin(), seen.begin() + 3), (std::vector<uint64_t>{0, 600, 900}));
}

TEST(Dispatcher, FnMediaKeysAndPause) {
    DispatchRig rig;
    rig.Report({kFn, kF1});
    rig.Report({kFn, kPause});
    EXPECT_EQ(rig.input.Events(),
              (std::vector<HostEvent>{{50, "tap-down 0xAD"}, {100, "tap-up 0xAD"}, {100, "suspend"}}));
}

TEST(Dispatcher, UnplugStopsARepeatAndReplugCountsHeldKeysAsNewPresses) {
    DispatchRig rig;
    DispatchRig::AssignKeyboard(rig.Key(kA), 'A');
    rig.Report({kFn, kF3, kA});
    rig.RunUntil(100);
    rig.dispatcher.OnKeyboardRemoved();
    rig.RunUntil(1000);
    EXPECT_EQ(rig.dispatcher.Runner().Running(), 0u);
    EXPECT_EQ(rig.input.TimesOf("tap-down 0xAF"), (std::vector<uint64_t>{10}));
    rig.Report({kA});
    rig.RunUntil(1100);
    EXPECT_EQ(rig.input.TimesOf("down 0x41"), (std::vector<uint64_t>{0, 1000}));
}

TEST(Dispatcher, EndingAProfilesActivationsStopsItsLoopsBeforeItGoes) {
    DispatchRig rig;
    CKeyAction& key = rig.Key(kB);
    key.kind = kKindMacro;
    key.macroName = u"Loop";
    key.playMode = kPlayToggle;
    rig.macros[u"Loop"] = Events({::Key('L', false, 20), ::Key('L', true, 20)});
    rig.Report({kB});
    rig.Report({});
    rig.RunUntil(1000);
    ASSERT_EQ(rig.dispatcher.Runner().Running(), 1u);
    rig.dispatcher.EndActivations(rig.Current().keys);
    EXPECT_EQ(rig.dispatcher.Runner().Running(), 0u);
    EXPECT_LE(rig.clock.NowMs(), 1000u + 20);
    EXPECT_TRUE(rig.input.KeysDown().empty());
    rig.set.RemoveProfile(u"Profile1");
}

TEST(Dispatcher, MacroIsPlayedAsItWasWhenTheKeyWasPressed) {
    DispatchRig rig;
    CKeyAction& key = rig.Key(kB);
    key.kind = kKindMacro;
    key.macroName = u"M";
    rig.macros[u"M"] = Events({::Key('X', false, 0), ::Key('X', true, 50)});
    rig.Report({kB});
    rig.RunUntil(10);
    rig.macros.erase(u"M");  // deleted while it plays
    rig.RunUntil(100);
    rig.Report({});
    rig.Report({kB});  // pressed again after the deletion: nothing
    rig.RunUntil(200);
    rig.macros[u"M"] = Events({::Key('Y', false, 0)});
    rig.Report({});
    rig.Report({kB});  // created again: plays
    rig.RunUntil(300);
    EXPECT_EQ(rig.input.Events(), (std::vector<HostEvent>{{0, "down 0x58"}, {50, "up 0x58"}, {200, "down 0x59"}}));
}

// ReleaseAll cuts running activations short where they stand (a macro
// mid-pass, a loop, a shortcut between its records) and lets go of what
// they left down, each key once; nothing is sent after.
TEST(DispatcherThread, ReleaseAllEndsEveryActivationMidPassAndLetsGoOnce) {
    const struct {
        uint32_t kind, playMode;
        std::vector<InputRecord> records;
        uint64_t stopAt;
        std::vector<std::string> releases;
    } cases[] = {
        {kKindMacro, kPlayOnce, {::Key(0x10, false), ::Key(0x10, true, 3000)}, 1010, {"up 0x10"}},
        {kKindMacro, kPlayToggle, {::Key('Z', false), ::Key('Z', true, 20)}, 1010, {"up 0x5A"}},
        {kKindShortcut, 0, {::Key(0x11, false), ::Key('C', false), ::Key('C', true), ::Key(0x11, true)}, 40,
         {"up 0x43", "up 0x11"}},
    };
    for (const auto& c : cases) {
        DispatchRig rig;
        CKeyAction& key = rig.Key(kB);
        key.kind = c.kind;
        key.macroName = u"M";
        key.playMode = c.playMode;
        rig.macros[u"M"] = Events(c.records);
        key.shortcutCount = static_cast<uint32_t>(c.records.size());
        std::copy(c.records.begin(), c.records.end(), key.shortcutInputs.begin());
        rig.Report({kB});
        rig.Report({});
        rig.RunUntil(c.stopAt);
        rig.input.Clear();
        EXPECT_TRUE(rig.dispatcher.ReleaseAll());
        EXPECT_LE(rig.clock.NowMs(), c.stopAt + kStopSliceMs) << "the pass was not finished";
        rig.RunUntil(10000);
        std::vector<std::string> sent;
        for (const HostEvent& e : rig.input.Events()) sent.push_back(e.what);
        EXPECT_EQ(sent, c.releases);
    }
}
