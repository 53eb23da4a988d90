#include <gtest/gtest.h>

#include "support/ActionRig.h"

namespace {
constexpr uint16_t kVkEnter = 0x0D;
constexpr uint16_t kVkControl = 0x11;
constexpr uint16_t kVkC = 0x43;

CKeyAction KeyboardAction(uint16_t vk) {
    CKeyAction a(u"A", 0x04, kKeyTypeNormal);
    a.kind = kKindKeyboard;
    a.keyboardInputs = {Key(vk, false), Key(vk, true)};
    return a;
}
}  // namespace

TEST(KeyActionExecute, KeyboardActionSendsDownAndUpThirtyMsApartThenWaits) {
    ActionRig rig;
    CKeyAction a = KeyboardAction(kVkEnter);
    rig.Press(a);
    rig.RunUntil(1000);
    EXPECT_EQ(rig.input.Events(), (std::vector<HostEvent>{{0, "down 0x0D"}, {30, "up 0x0D"}}));
    EXPECT_EQ(a.pressCount, 0u);
    rig.runner.EndAll();
    EXPECT_EQ(rig.clock.NowMs(), 1000u);
}

TEST(KeyActionExecute, ActivationHoldsItsKeyForSixtyMs) {
    ActionRig rig;
    CKeyAction a = KeyboardAction(kVkEnter);
    rig.Press(a);
    rig.RunUntil(59);
    EXPECT_EQ(a.pressCount, 1u) << "the wait after the last record is part of the action";
    rig.RunUntil(60);
    EXPECT_EQ(a.pressCount, 0u);
}

TEST(KeyActionExecute, MouseAndMediaActionsReplayTheirOwnRecords) {
    ActionRig rig;
    CKeyAction mouse = KeyboardAction(kVkEnter);
    mouse.kind = kKindMouse;
    mouse.mouseInputs[0].SetMouseFlags(0x0002);
    mouse.mouseInputs[1].SetMouseFlags(0x0004);
    CKeyAction media = KeyboardAction(kVkEnter);
    media.kind = kKindMedia;
    media.mediaInputs = {Key(0xB3, false), Key(0xB3, true)};
    rig.Press(mouse);
    rig.RunUntil(100);
    rig.Press(media);
    rig.RunUntil(200);
    EXPECT_EQ(rig.input.Events(), (std::vector<HostEvent>{
                                      {0, "mouse 0x02"}, {30, "mouse 0x04"}, {100, "down 0xB3"}, {130, "up 0xB3"}}));
}

TEST(KeyActionExecute, ShortcutSendsItsCountOfRecordsEachFollowedByThirtyMs) {
    ActionRig rig;
    CKeyAction a = KeyboardAction(kVkEnter);
    a.kind = kKindShortcut;
    a.shortcutCount = 4;
    a.shortcutInputs[0] = Key(kVkControl, false);
    a.shortcutInputs[1] = Key(kVkC, false);
    a.shortcutInputs[2] = Key(kVkC, true);
    a.shortcutInputs[3] = Key(kVkControl, true);
    a.shortcutInputs[4] = Key(kVkEnter, false);  // beyond the count: never sent
    rig.Press(a);
    rig.RunUntil(119);
    EXPECT_EQ(a.pressCount, 1u);
    rig.RunUntil(120);
    EXPECT_EQ(a.pressCount, 0u);
    EXPECT_EQ(rig.input.Events(), (std::vector<HostEvent>{
                                      {0, "down 0x11"}, {30, "down 0x43"}, {60, "up 0x43"}, {90, "up 0x11"}}));
}

TEST(KeyActionExecute, ShortcutCountZeroNegativeOrTooLargeIsSafe) {
    ActionRig rig;
    CKeyAction a = KeyboardAction(kVkEnter);
    a.kind = kKindShortcut;
    for (uint32_t count : {0u, 0xFFFFFFFFu}) {
        a.shortcutCount = count;
        rig.Press(a);
        rig.RunUntil(rig.clock.NowMs() + 10);
    }
    EXPECT_TRUE(rig.input.Events().empty());
    a.shortcutCount = 1000;  // a damaged record: only the records that exist are sent
    rig.Press(a);
    rig.RunUntil(rig.clock.NowMs() + 2000);
    EXPECT_EQ(rig.input.Events().size(), CKeyAction::kShortcutCapacity);
}

TEST(KeyActionExecute, DefaultDisableAndUnknownKindsDoNothing) {
    ActionRig rig;
    for (uint32_t kind : {0u, 7u, 8u, 0xFFFFFFFFu}) {
        CKeyAction a = KeyboardAction(kVkEnter);
        a.kind = kind;
        rig.Press(a);
        rig.RunUntil(rig.clock.NowMs() + 100);
        EXPECT_EQ(a.pressCount, 0u) << kind;
    }
    EXPECT_TRUE(rig.input.Events().empty());
}

TEST(KeyActionExecute, LaunchUsesThePathOrTheAddressByLaunchType) {
    ActionRig rig;
    CKeyAction a = KeyboardAction(kVkEnter);
    a.kind = kKindLaunch;
    a.programPath = u"C:\\game.exe";
    a.webAddress = u"http://example.org/";
    rig.Press(a);
    rig.RunUntil(10);
    a.launchType = kLaunchWeb;
    rig.Press(a);
    rig.RunUntil(20);
    a.webAddress.clear();  // empty address: nothing, even with a path set
    rig.Press(a);
    rig.RunUntil(30);
    EXPECT_EQ(rig.input.Events(),
              (std::vector<HostEvent>{{0, "launch C:\\game.exe"}, {10, "launch http://example.org/"}}));
}

TEST(KeyActionExecute, OverlappingPressOfARunningKeyDoesNothing) {
    ActionRig rig;
    CKeyAction a = KeyboardAction(kVkEnter);
    rig.Press(a);
    rig.RunUntil(10);
    rig.Press(a);  // the first activation is between its two records
    rig.RunUntil(100);
    EXPECT_EQ(rig.input.Events(), (std::vector<HostEvent>{{0, "down 0x0D"}, {30, "up 0x0D"}}));
    EXPECT_EQ(a.pressCount, 0u);
    EXPECT_TRUE(rig.input.KeysDown().empty());
}
