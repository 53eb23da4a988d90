#include "actions/ReplaySession.h"

#include <gtest/gtest.h>

#include "support/DispatchRig.h"

using namespace code;

namespace {
ReplayStep At(uint64_t t, std::initializer_list<uint8_t> codes) {
    ReplayStep s;
    s.t = t;
    std::copy(codes.begin(), codes.end(), s.report.begin() + 2);
    return s;
}
ReplayStep At(uint64_t t, ReplayStep::Kind kind) {
    ReplayStep s;
    s.t = t;
    s.kind = kind;
    return s;
}

CDocProfileSet DefaultSet() {
    CDocProfileSet set;
    set.AddDefaultProfile(u"Profile1");
    set.currentName = u"Profile1";
    return set;
}

std::vector<ReplayEvent> Replay(CDocProfileSet set, const std::vector<ReplayStep>& steps,
                             std::map<std::u16string, MacroSnapshot> macros = {}) {
    return RunReplay(std::move(set), [&macros](const std::u16string& name) {
        const auto it = macros.find(name);
        return it == macros.end() ? MacroSnapshot{} : it->second;
    }, steps);
}

std::vector<uint64_t> TimesOf(const std::vector<ReplayEvent>& events, ReplayEvent::Kind kind,
                              const std::function<bool(const ReplayEvent&)>& also = {}) {
    std::vector<uint64_t> times;
    for (const ReplayEvent& e : events)
        if (e.kind == kind && (!also || also(e))) times.push_back(e.t);
    return times;
}

bool IsCommand(const ReplayEvent& e, uint8_t command, uint8_t value) {
    return e.kind == ReplayEvent::Kind::Device && e.device.kind == SimulatedDeviceEvent::Kind::Command &&
           e.device.command == command && e.device.value == value;
}

std::vector<uint64_t> CommandTimes(const std::vector<ReplayEvent>& events, uint8_t command, uint8_t value) {
    std::vector<uint64_t> times;
    for (const ReplayEvent& e : events)
        if (IsCommand(e, command, value)) times.push_back(e.t);
    return times;
}
}  // namespace

TEST(ReplaySessionThread, StartsByMakingTheCurrentProfileCurrentThenCarriesOutPresses) {
    CDocProfileSet set = DefaultSet();
    DispatchRig::AssignKeyboard(DispatchRig::KeyIn(*set.Current(), kEnter), 0x0D);
    const auto events = Replay(std::move(set), {At(100, {kEnter}), At(150, {}), At(500, ReplayStep::Kind::End)});
    ASSERT_FALSE(events.empty());
    EXPECT_TRUE(IsCommand(events.front(), 4, 1)) << "the handshake comes first";
    // The handshake command takes its 10 ms pause before the profile is sent.
    EXPECT_EQ(TimesOf(events, ReplayEvent::Kind::Profile), (std::vector<uint64_t>{10}));
    std::vector<std::pair<uint64_t, uint32_t>> inputs;
    for (const ReplayEvent& e : events)
        if (e.kind == ReplayEvent::Kind::Input) inputs.emplace_back(e.t, e.record.KeyFlags());
    EXPECT_EQ(inputs, (std::vector<std::pair<uint64_t, uint32_t>>{{100, 0}, {130, kKeyEventKeyUp}}));
    for (std::size_t i = 1; i < events.size(); ++i) EXPECT_LE(events[i - 1].t, events[i].t);
}

TEST(ReplaySessionThread, HeldFnF3StepsVolumeAtTheScheduledTimes) {
    const auto events = Replay(DefaultSet(), {At(1000, {kFn}), At(1000, {kFn, kF3}), At(2200, {kFn}),
                                           At(3000, ReplayStep::Kind::End)});
    const auto presses = TimesOf(events, ReplayEvent::Kind::Tap, [](const ReplayEvent& e) { return !e.flag; });
    ASSERT_GE(presses.size(), 4u);
    EXPECT_EQ(std::vector<uint64_t>(presses.begin(), presses.begin() + 4),
              (std::vector<uint64_t>{1010, 1630, 1950, 2120}));
    EXPECT_LT(presses.back(), 2200u);
}

TEST(ReplaySessionThread, AcceleratorMakesAnotherProfileCurrentAndSendsIt) {
    CDocProfileSet set = DefaultSet();
    set.AddDefaultProfile(u"Game");
    set.Find(u"Game")->accelerator = 3;
    set.Find(u"Game")->brightnessLevel = 20;
    const auto events = Replay(std::move(set), {At(10, {kFn, kDigit3}), At(20, ReplayStep::Kind::End)});
    std::vector<std::u16string> names;
    for (const ReplayEvent& e : events)
        if (e.kind == ReplayEvent::Kind::Profile) names.push_back(e.text);
    EXPECT_EQ(names, (std::vector<std::u16string>{u"Profile1", u"Game"}));
    EXPECT_EQ(CommandTimes(events, 11, 255).size(), 1u) << "Game's brightness";
}

TEST(ReplaySessionThread, UnplugEndsARepeatAndPlugSendsEverythingAgain) {
    const auto events = Replay(DefaultSet(), {At(100, {kFn, kF3}), At(200, ReplayStep::Kind::Unplug),
                                           At(300, {kFn}), At(2000, ReplayStep::Kind::Plug),
                                           At(3000, ReplayStep::Kind::End)});
    EXPECT_EQ(TimesOf(events, ReplayEvent::Kind::Tap, [](const ReplayEvent& e) { return !e.flag; }),
              (std::vector<uint64_t>{110}));
    // Arrival: 500 ms for the driver, presence and recording state 10 ms each, then the profile.
    EXPECT_EQ(CommandTimes(events, 4, 1), (std::vector<uint64_t>{0, 2500}));
    EXPECT_EQ(CommandTimes(events, 14, 0), (std::vector<uint64_t>{2510}));
    EXPECT_EQ(TimesOf(events, ReplayEvent::Kind::Profile), (std::vector<uint64_t>{10, 2520}));
}

TEST(ReplaySessionThread, FnF9RecordsAndNothingActsMeanwhile) {
    CDocProfileSet set = DefaultSet();
    DispatchRig::AssignKeyboard(DispatchRig::KeyIn(*set.Current(), kA), 'A');
    const auto events = Replay(std::move(set), {At(10, {kFn, kF9}), At(20, {kFn}), At(30, {kA}), At(40, {}),
                                             At(50, {kFn, kF9}), At(100, ReplayStep::Kind::End)});
    EXPECT_TRUE(TimesOf(events, ReplayEvent::Kind::Input).empty());
    std::vector<bool> recording;
    for (const ReplayEvent& e : events)
        if (e.kind == ReplayEvent::Kind::Recording) recording.push_back(e.flag);
    EXPECT_EQ(recording, (std::vector<bool>{true, false}));
    EXPECT_EQ(CommandTimes(events, 14, 1).size(), 1u);
    EXPECT_EQ(CommandTimes(events, 14, 0).size(), 1u);
}

TEST(ReplaySessionThread, BrightnessStepSendsTheBacklight) {
    CDocProfileSet set = DefaultSet();
    set.Current()->brightnessLevel = 19;
    const auto events = Replay(std::move(set), {At(1000, {kFn, kF12}), At(3000, {kFn}), At(4000, ReplayStep::Kind::End)});
    // Command 9 goes out at the step, 11 after 9's 10 ms.
    EXPECT_EQ(CommandTimes(events, 9, 1), (std::vector<uint64_t>{10, 1000}));
    EXPECT_EQ(CommandTimes(events, 11, 255), (std::vector<uint64_t>{1010}));
}

TEST(ReplaySessionThread, RunStopsAtTheEndAndIsRepeatable) {
    CDocProfileSet set = DefaultSet();
    CKeyAction& key = DispatchRig::KeyIn(*set.Current(), kB);
    key.kind = kKindMacro;
    key.macroName = u"Loop";
    key.playMode = kPlayToggle;
    const std::map<std::u16string, MacroSnapshot> macros{{u"Loop", Events({Key('L', false, 0), Key('L', true, 7)})}};
    const std::vector<ReplayStep> steps{At(100, {kB}), At(105, {}), At(1000, ReplayStep::Kind::End), At(2000, {kB})};
    const auto first = Replay(set, steps, macros);
    const auto second = Replay(set, steps, macros);
    ASSERT_FALSE(first.empty());
    EXPECT_LE(first.back().t, 1000u);
    EXPECT_EQ(TimesOf(first, ReplayEvent::Kind::Input), TimesOf(second, ReplayEvent::Kind::Input));
    // A pass is the press at once, the 7 ms wait before the release, and
    // the next pass at once:
    // presses at 100, 107, ... 996, releases at 107, ... 994.
    const auto times = TimesOf(first, ReplayEvent::Kind::Input);
    EXPECT_EQ(times.size(), 129u + 128u);
    for (uint64_t t : times) EXPECT_EQ((t - 100) % 7, 0u) << t;
}

TEST(ReplaySessionThread, WithoutAnEndTheLastPressesFinishButLoopsStopAfterTenSeconds) {
    CDocProfileSet set = DefaultSet();
    DispatchRig::AssignKeyboard(DispatchRig::KeyIn(*set.Current(), kA), 'A');
    CKeyAction& key = DispatchRig::KeyIn(*set.Current(), kB);
    key.kind = kKindMacro;
    key.macroName = u"Loop";
    key.playMode = kPlayToggle;
    const std::map<std::u16string, MacroSnapshot> macros{{u"Loop", Events({Key('L', false, 7), Key('L', true, 3)})}};
    const auto tap = Replay(set, {At(100, {kA})}, macros);
    EXPECT_EQ(TimesOf(tap, ReplayEvent::Kind::Input), (std::vector<uint64_t>{100, 130}));
    const auto loop = Replay(set, {At(100, {kB}), At(105, {})}, macros);
    ASSERT_FALSE(loop.empty());
    EXPECT_GT(loop.back().t, 10000u);
    EXPECT_LE(loop.back().t, 10105u);
}
