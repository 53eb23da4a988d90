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

CKeyAction OfKind(uint32_t kind) {
    CKeyAction a = KeyboardAction(kVkEnter);
    a.kind = kind;
    return a;
}

CKeyAction Shortcut(uint32_t count) {
    CKeyAction a = OfKind(kKindShortcut);
    a.shortcutCount = count;
    return a;
}

// Assignments that must send nothing, each with the macro snapshot its
// activation gets.
struct IdleCase {
    const char* name;
    CKeyAction action;
    MacroSnapshot macro;
};

const MacroSnapshot kTypeA = Events({Key(0x41, false, 10), Key(0x41, true, 20)});

const IdleCase kIdleCases[] = {
    {"DefaultKind", OfKind(kKindDefault), nullptr},
    {"DisabledKey", OfKind(kKindDisable), nullptr},
    {"UnknownKind", OfKind(8), nullptr},
    {"AllOnesKind", OfKind(0xFFFFFFFF), nullptr},
    {"ShortcutOfNoRecords", Shortcut(0), nullptr},
    {"ShortcutOfNegativeCount", Shortcut(0xFFFFFFFF), nullptr},
    {"MacroPlayedZeroTimes", MacroKey(kPlayMultiTimes, 0), kTypeA},
    {"MacroPlayedNegativeTimes", MacroKey(kPlayMultiTimes, 0x80000000), kTypeA},
    {"MissingMacro", MacroKey(kPlayOnce), MacroSnapshot{}},
    {"EmptyMacro", MacroKey(kPlayOnce), Events({})},
};

class IdleAction : public ::testing::TestWithParam<IdleCase> {};
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
    CKeyAction mouse = OfKind(kKindMouse);
    mouse.mouseInputs[0].SetMouseFlags(0x0002);
    mouse.mouseInputs[1].SetMouseFlags(0x0004);
    CKeyAction media = OfKind(kKindMedia);
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
    CKeyAction a = Shortcut(4);
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

TEST(KeyActionExecute, ShortcutCountTooLargeSendsOnlyTheRecordsThatExist) {
    ActionRig rig;
    CKeyAction a = Shortcut(1000);  // a damaged record
    rig.Press(a);
    rig.RunUntil(2000);
    EXPECT_EQ(rig.input.Events().size(), CKeyAction::kShortcutCapacity);
}

TEST_P(IdleAction, SendsNothingAndEndsAtOnce) {
    ActionRig rig;
    CKeyAction a = GetParam().action;
    rig.Press(a, GetParam().macro);
    rig.RunUntil(100);
    EXPECT_EQ(a.pressCount, 0u);
    EXPECT_TRUE(rig.input.Events().empty());
}

INSTANTIATE_TEST_SUITE_P(KeyActionExecute, IdleAction, ::testing::ValuesIn(kIdleCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KeyActionExecute, LaunchUsesThePathOrTheAddressByLaunchType) {
    ActionRig rig;
    CKeyAction a = OfKind(kKindLaunch);
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
