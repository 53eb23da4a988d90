#include "actions/MacroPlayback.h"
#include "actions/StoppableWait.h"

#include <gtest/gtest.h>

#include "support/ActionRig.h"

namespace {
constexpr uint16_t kVkA = 0x41;
constexpr uint16_t kVkB = 0x42;
}  // namespace

// A delay is the time since the event before, as the recorder measures it.
TEST(MacroPlayback, OnceWaitsEachDelayBeforeItsEvent) {
    ActionRig rig;
    CKeyAction a = MacroKey(kPlayOnce);
    rig.Press(a, Events({Key(kVkA, false, 0), Key(kVkA, true, 100), Key(kVkB, false, 0)}));
    rig.RunUntil(99);
    EXPECT_EQ(a.pressCount, 1u);
    rig.RunUntil(100);
    rig.clock.SleepMs(0);  // after everything else due at 100
    EXPECT_EQ(a.pressCount, 0u) << "delays 0, 100, 0 take 100 ms";
    EXPECT_EQ(rig.input.Events(), (std::vector<HostEvent>{{0, "down 0x41"}, {100, "up 0x41"}, {100, "down 0x42"}}))
        << "A is held the 100 ms it was held while recording";
}

TEST(MacroPlayback, MultipleTimesWaitsTheFirstDelayBeforeEveryPass) {
    ActionRig rig;
    CKeyAction a = MacroKey(kPlayMultiTimes, 3);
    rig.Press(a, Events({Key(kVkA, false, 10), Key(kVkA, true, 20)}));
    rig.RunUntil(1000);
    EXPECT_EQ(rig.input.TimesOf("down 0x41"), (std::vector<uint64_t>{10, 40, 70}));
    EXPECT_EQ(rig.input.TimesOf("up 0x41"), (std::vector<uint64_t>{30, 60, 90}));
}

TEST(MacroPlayback, SecondPressOfARunningOnceMacroDoesNothing) {
    ActionRig rig;
    CKeyAction a = MacroKey(kPlayOnce);
    const MacroSnapshot macro = Events({Key(kVkA, false, 50), Key(kVkA, true, 50)});
    rig.Press(a, macro);
    rig.RunUntil(20);
    rig.Release(a);
    rig.Press(a, macro);
    rig.RunUntil(200);
    EXPECT_EQ(rig.input.Events(), (std::vector<HostEvent>{{50, "down 0x41"}, {100, "up 0x41"}}));
}

TEST(MacroPlayback, LoopWaitsAtLeastFiveMsBetweenEventsAndNothingBetweenPasses) {
    ActionRig rig;
    CKeyAction a = MacroKey(kPlayWhilePressed);
    rig.Press(a, Events({Key(kVkA, false, 999), Key(kVkA, true, 3), Key(kVkB, false, 0), Key(kVkB, true, 40)}));
    rig.RunUntil(120);
    rig.Release(a);  // inside the third pass
    rig.RunUntil(1000);
    // Pass: A down at once (its own delay is not waited), 5, A up, 5,
    // B down, 40, B up, at once the next pass.
    EXPECT_EQ(rig.input.TimesOf("down 0x41"), (std::vector<uint64_t>{0, 50, 100}));
    EXPECT_EQ(rig.input.TimesOf("up 0x42"), (std::vector<uint64_t>{50, 100, 150}));
    EXPECT_EQ(a.pressCount, 0u);
    EXPECT_TRUE(rig.input.KeysDown().empty()) << "the pass running at the release finished";
}

TEST(MacroPlayback, ToggleEndsAfterTheCurrentPassAndAThirdPressStartsAgain) {
    ActionRig rig;
    CKeyAction a = MacroKey(kPlayToggle);
    const MacroSnapshot macro = Events({Key(kVkA, false, 0), Key(kVkA, true, 10)});
    rig.Press(a, macro);
    rig.RunUntil(5);
    rig.Release(a);
    rig.RunUntil(32);
    rig.Press(a, macro);  // the loop is inside its fourth pass (30..40)
    rig.RunUntil(33);
    rig.Release(a);
    rig.RunUntil(100);
    EXPECT_EQ(rig.input.TimesOf("down 0x41"), (std::vector<uint64_t>{0, 10, 20, 30}));
    EXPECT_EQ(rig.input.TimesOf("up 0x41"), (std::vector<uint64_t>{10, 20, 30, 40}));
    EXPECT_EQ(a.pressCount, 0u);
    rig.Press(a, macro);
    rig.RunUntil(125);
    EXPECT_EQ(rig.input.TimesOf("down 0x41").size(), 7u);
    rig.runner.EndAll();
}

TEST(MacroPlayback, OneEventLoopPausesBetweenPasses) {
    ActionRig rig;
    CKeyAction a = MacroKey(kPlayWhilePressed);
    rig.Press(a, Events({Key(kVkA, false, 0)}));
    rig.RunUntil(20);
    rig.Release(a);
    rig.RunUntil(100);
    EXPECT_EQ(rig.input.TimesOf("down 0x41"), (std::vector<uint64_t>{0, 5, 10, 15, 20}));
}

TEST(MacroPlayback, StoppedPlaybackLetsGoOfTheKeysItHolds) {
    ActionRig rig;
    CKeyAction a = MacroKey(kPlayOnce);
    rig.Press(a, Events({Key(kVkA, false, 0), Key(kVkB, false, 10000), Key(kVkB, true, 0), Key(kVkA, true, 0)}));
    rig.RunUntil(1000);
    rig.runner.EndAndWait(std::span(&a, 1));
    EXPECT_LE(rig.clock.NowMs(), 1000u + kStopSliceMs);
    EXPECT_TRUE(rig.input.KeysDown().empty());
    EXPECT_EQ(rig.runner.Running(), 0u);
}
