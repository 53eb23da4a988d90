#include "macro/MacroRecorder.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

#include "macro/DocMacroSet.h"
#include "platform/VirtualClock.h"
#include "support/FakeKeyboardHook.h"

namespace {
constexpr uint32_t kVkA = 0x41, kScanA = 0x1E;
constexpr uint32_t kVkB = 0x42, kScanB = 0x30;
constexpr uint32_t kVkLCtrl = 0xA2, kVkRCtrl = 0xA3, kScanCtrl = 0x1D;

// The event list as the recorder sees it.
struct EventList final : IMacroRecordTarget {
    void OnRecordedEvent(const MacroEvent& event) override { events.push_back(event); }
    std::vector<MacroEvent> events;
};

class MacroRecorder : public ::testing::Test {
protected:
    void After(uint32_t ms) { clock.SleepMs(ms); }

    CVirtualClock clock{1000};
    CVirtualClock::Participant self{clock};
    FakeKeyboardHook keyboard{clock};
    CMacroRecorder recorder{keyboard};
    EventList list;
};
}  // namespace

TEST_F(MacroRecorder, MeasuredTimingGivesEachEventTheTimeSinceTheEventBefore) {
    recorder.SetRecordTimeMode(RecordTimeMode::Measured);
    ASSERT_TRUE(recorder.Start(list));
    keyboard.Down(kVkA, kScanA);
    After(120);
    keyboard.Up(kVkA, kScanA);
    After(35);
    keyboard.Down(kVkB, kScanB);

    ASSERT_EQ(list.events.size(), 3u);
    std::array<uint8_t, 28> release{1, 0, 0, 0, 0x41, 0, 0x1E, 0, 2, 0, 0, 0, 0x78, 0, 0, 0};
    EXPECT_EQ(list.events[0], MacroEvent::Key(0x41, 0x1E, 0, 0));
    EXPECT_EQ(list.events[1].Bytes(), release);
    EXPECT_EQ(list.events[2], MacroEvent::Key(0x42, 0x30, 0, 35));
}

TEST_F(MacroRecorder, WithoutTimingEveryDelayIsZeroAndTheModeIsKeptAcrossStarts) {
    recorder.SetRecordTimeMode(RecordTimeMode::NoDelays);
    recorder.Start(list);
    keyboard.Down(kVkA, kScanA);
    After(500);
    keyboard.Up(kVkA, kScanA);
    recorder.Stop();
    recorder.Start(list);
    After(70);
    keyboard.Down(kVkB, kScanB);

    ASSERT_EQ(list.events.size(), 3u);
    for (const MacroEvent& e : list.events) EXPECT_EQ(e.Delay(), 0u);
    EXPECT_EQ(recorder.GetRecordTimeMode(), RecordTimeMode::NoDelays);
}

TEST_F(MacroRecorder, AutoRepeatYieldsOnePressAndTheReleaseIsTimedFromThePress) {
    recorder.SetRecordTimeMode(RecordTimeMode::Measured);
    recorder.Start(list);
    keyboard.Down(kVkA, kScanA);
    for (int i = 0; i < 20; ++i) {
        After(30);
        keyboard.Down(kVkA, kScanA);
    }
    After(10);
    keyboard.Up(kVkA, kScanA);
    After(5);
    keyboard.Down(kVkA, kScanA);

    ASSERT_EQ(list.events.size(), 3u);
    EXPECT_FALSE(list.events[0].IsRelease());
    EXPECT_TRUE(list.events[1].IsRelease());
    EXPECT_EQ(list.events[1].Delay(), 610u);
    EXPECT_FALSE(list.events[2].IsRelease());
    EXPECT_EQ(list.events[2].Delay(), 5u);
}

TEST_F(MacroRecorder, KeyHeldBeforeTheStartGivesALoneReleaseAndItsRepeatsArePressesOnce) {
    keyboard.Down(kVkA, kScanA);
    recorder.Start(list);
    keyboard.Up(kVkA, kScanA);
    keyboard.Up(kVkB, kScanB);
    keyboard.Down(kVkB, kScanB);
    keyboard.Down(kVkB, kScanB);

    ASSERT_EQ(list.events.size(), 3u);
    EXPECT_EQ(list.events[0], MacroEvent::Key(0x41, 0x1E, kKeyEventKeyUp, 0));
    EXPECT_EQ(list.events[1], MacroEvent::Key(0x42, 0x30, kKeyEventKeyUp, 0));
    EXPECT_EQ(list.events[2], MacroEvent::Key(0x42, 0x30, 0, 0));
}

// Injected input, a played macro for example, is recorded like typed input;
// only the extended and key-up flags and the low 16 bits of the codes stay.
TEST_F(MacroRecorder, EventKeepsLowCodeBitsAndOnlyTheExtendedAndReleaseFlags) {
    recorder.Start(list);
    keyboard.Down(0x100A3, 0x2001D, kHookFlagExtended | kHookFlagInjected | 0x20 | 0x02);
    keyboard.Up(kVkRCtrl, kScanCtrl, kHookFlagExtended | kHookFlagInjected);

    ASSERT_EQ(list.events.size(), 2u);
    EXPECT_EQ(list.events[0], MacroEvent::Key(0xA3, 0x1D, kKeyEventExtendedKey, 0));
    EXPECT_EQ(list.events[1], MacroEvent::Key(0xA3, 0x1D, kKeyEventExtendedKey | kKeyEventKeyUp, 0));
}

// Keys that share a scan code are still different keys: the extended bit,
// and for synthesized keys without a scan code the virtual key, tell them apart.
TEST_F(MacroRecorder, KeysSharingAScanCodeAreNotTakenForRepeats) {
    recorder.Start(list);
    keyboard.Down(kVkLCtrl, kScanCtrl);
    keyboard.Down(kVkRCtrl, kScanCtrl, kHookFlagExtended);
    keyboard.Down(kVkRCtrl, kScanCtrl, kHookFlagExtended);
    keyboard.Up(kVkRCtrl, kScanCtrl, kHookFlagExtended);
    keyboard.Down(kVkLCtrl, kScanCtrl);
    keyboard.Up(kVkLCtrl, kScanCtrl);
    keyboard.Down(kVkA, 0);
    keyboard.Down(kVkB, 0);
    keyboard.Down(kVkA, 0);

    std::vector<std::pair<uint16_t, uint32_t>> got;
    for (const MacroEvent& e : list.events) got.emplace_back(e.Vk(), e.KeyFlags());
    const std::vector<std::pair<uint16_t, uint32_t>> want{
        {0xA2, 0}, {0xA3, 1}, {0xA3, 3}, {0xA2, 2}, {0x41, 0}, {0x42, 0}};
    EXPECT_EQ(got, want);
}

TEST_F(MacroRecorder, KeystrokesAreWithheldFromTheSystemOnlyWhileRecording) {
    keyboard.Down(kVkA, kScanA);
    recorder.Start(list);
    EXPECT_TRUE(recorder.IsRecording());
    keyboard.Up(kVkA, kScanA);
    keyboard.Down(kVkB, kScanB);
    recorder.Stop();
    EXPECT_FALSE(recorder.IsRecording());
    keyboard.Up(kVkB, kScanB);

    ASSERT_EQ(keyboard.reachedSystem.size(), 2u);
    EXPECT_EQ(keyboard.reachedSystem[0].vkCode, kVkA);
    EXPECT_EQ(keyboard.reachedSystem[1].vkCode, kVkB);
    EXPECT_EQ(list.events.size(), 2u);
}

TEST_F(MacroRecorder, StartingAgainInstallsNoSecondHookRetargetsAndBeginsAfresh) {
    EventList editor;
    recorder.SetRecordTimeMode(RecordTimeMode::Measured);
    recorder.Start(list);
    keyboard.Down(kVkA, kScanA);
    After(300);
    EXPECT_TRUE(recorder.Start(editor));
    keyboard.Down(kVkA, kScanA);
    recorder.Stop();
    recorder.Stop();

    EXPECT_EQ(keyboard.installs, 1);
    EXPECT_FALSE(keyboard.IsInstalled());
    EXPECT_EQ(list.events.size(), 1u);
    ASSERT_EQ(editor.events.size(), 1u);
    EXPECT_EQ(editor.events[0].Delay(), 0u);
}

TEST_F(MacroRecorder, RefusedHookStillCountsAsRecordingAndTheNextStartTriesAgain) {
    keyboard.refusals = 1;
    EXPECT_FALSE(recorder.Start(list));
    EXPECT_TRUE(recorder.IsRecording());
    keyboard.Down(kVkA, kScanA);
    EXPECT_TRUE(recorder.Start(list));
    keyboard.Up(kVkA, kScanA);

    EXPECT_EQ(keyboard.reachedSystem.size(), 1u);
    EXPECT_EQ(list.events.size(), 1u);
}

// The time stamp wraps after 2^32 ms; a stamp of 0 is a time like any other.
TEST_F(MacroRecorder, DelaysAreMeasuredAcrossTheWrapOfTheTimeStamp) {
    recorder.SetRecordTimeMode(RecordTimeMode::Measured);
    After(0xFFFFFFF0u - 1000);
    recorder.Start(list);
    keyboard.Down(kVkA, kScanA);
    After(0x10);
    keyboard.Down(kVkB, kScanB);
    After(40);
    keyboard.Up(kVkB, kScanB);

    ASSERT_EQ(list.events.size(), 3u);
    EXPECT_EQ(list.events[1].Delay(), 0x10u);
    EXPECT_EQ(list.events[2].Delay(), 40u);
}

TEST_F(MacroRecorder, StartIntoEmptiesTheMacroAndAppendsUntilStopped) {
    CDocMacroSet macros;
    CDocMacro old;
    old.name = u"Macro1";
    old.events = {MacroEvent::Key(0x5A, 0x2C, 0, 7)};
    macros.Insert(old);

    recorder.StartInto(macros, u"Macro1");
    EXPECT_TRUE(macros.Find(u"Macro1")->events.empty());
    keyboard.Down(kVkA, kScanA);
    keyboard.Up(kVkA, kScanA);
    recorder.Stop();
    keyboard.Down(kVkB, kScanB);

    const std::vector<MacroEvent> want{MacroEvent::Key(0x41, 0x1E, 0, 0), MacroEvent::Key(0x41, 0x1E, 2, 0)};
    EXPECT_EQ(macros.Find(u"Macro1")->events, want);
}

TEST_F(MacroRecorder, MacroErasedWhileRecordingIntoItIsNotMadeAgain) {
    CDocMacroSet macros;
    macros.currentName = macros.NewMacro();
    recorder.StartInto(macros, macros.currentName);
    macros.DeleteCurrent();
    keyboard.Down(kVkA, kScanA);

    EXPECT_TRUE(macros.macros.empty());
    EXPECT_TRUE(keyboard.reachedSystem.empty());
}

TEST_F(MacroRecorder, DestroyingTheRecorderLetsKeystrokesThrough) {
    {
        FakeKeyboardHook other(clock);
        CMacroRecorder scoped(other);
        scoped.Start(list);
        ASSERT_TRUE(other.IsInstalled());
    }
    {
        CMacroRecorder scoped(keyboard);
        scoped.Start(list);
    }
    keyboard.Down(kVkA, kScanA);
    EXPECT_EQ(keyboard.reachedSystem.size(), 1u);
}
