#include "macro/win32/Win32KeyboardHook.h"

#include <gtest/gtest.h>

#include <vector>

#include "macro/MacroRecorder.h"
#include "win/support/Input.h"
#include "win/support/KeyboardHookRecorder.h"
#include "win/support/MessagePump.h"

namespace {
constexpr auto kTimeout = std::chrono::seconds(5);

// The system passes a hook by when its thread has not looked at its messages
// for seconds, as this test thread may not have during earlier tests; the
// program's user-interface thread always has, since it installs the hook
// while handling a message.
void LookAtMessages() { PumpFor(std::chrono::milliseconds(1)); }

struct Keystrokes final : IHookedKeySink {
    void OnHookedKey(const HookedKeystroke& key) override { keys.push_back(key); }
    std::vector<HookedKeystroke> keys;
};

struct EventList final : IMacroRecordTarget {
    void OnRecordedEvent(const MacroEvent& event) override { events.push_back(event); }
    std::vector<MacroEvent> events;
};
}  // namespace

TEST(Win32KeyboardHook, HookCallsTranslateByTheirKeyboardMessage) {
    const KBDLLHOOKSTRUCT down{0x12, 0x38, LLKHF_EXTENDED | LLKHF_ALTDOWN, 4242, 0};
    const KBDLLHOOKSTRUCT up{0x12, 0x38, LLKHF_UP, 4300, 0};
    struct Case {
        WPARAM message;
        const KBDLLHOOKSTRUCT& record;
        bool keyDown;
    };
    for (const Case& c : {Case{WM_KEYDOWN, down, true}, Case{WM_SYSKEYDOWN, down, true}, Case{WM_KEYUP, up, false},
                          Case{WM_SYSKEYUP, up, false}, Case{0, down, true}, Case{0, up, false}}) {
        const HookedKeystroke k = HookedKeystrokeOf(c.message, c.record);
        EXPECT_EQ(k.keyDown, c.keyDown) << c.message;
        EXPECT_EQ(k.vkCode, 0x12u);
        EXPECT_EQ(k.scanCode, 0x38u);
        EXPECT_EQ(k.flags, c.record.flags);
        EXPECT_EQ(k.time, c.record.time);
    }
}

TEST(Win32KeyboardHook, WithholdsKeystrokesFromOtherHooksUntilRemoved) {
    KeyboardHookRecorder others;
    Keystrokes sink;
    Win32KeyboardHook hook;
    ASSERT_TRUE(hook.Install(sink));
    LookAtMessages();
    Key('A', true);
    Key('A', false);
    ASSERT_TRUE(PumpUntil([&] { return sink.keys.size() >= 2; }, kTimeout));
    EXPECT_TRUE(sink.keys[0].keyDown);
    EXPECT_EQ(sink.keys[0].vkCode, static_cast<DWORD>('A'));
    EXPECT_EQ(sink.keys[0].scanCode, MapVirtualKeyW('A', MAPVK_VK_TO_VSC));
    EXPECT_NE(sink.keys[0].flags & kHookFlagInjected, 0u);
    EXPECT_FALSE(sink.keys[1].keyDown);
    EXPECT_NE(sink.keys[1].flags & kHookFlagUp, 0u);

    hook.Remove();
    EXPECT_FALSE(hook.IsInstalled());
    hook.Remove();
    TapKey('B');
    const auto passed = others.WaitFor(2, kTimeout);
    ASSERT_EQ(passed.size(), 2u);
    EXPECT_EQ(passed[0].vk, static_cast<DWORD>('B'));
    EXPECT_EQ(sink.keys.size(), 2u);
}

TEST(Win32KeyboardHook, OneHookPerProcess) {
    Keystrokes sink;
    Win32KeyboardHook first;
    Win32KeyboardHook second;
    ASSERT_TRUE(first.Install(sink));
    EXPECT_FALSE(second.Install(sink));
    EXPECT_FALSE(first.Install(sink));
    first.Remove();
    EXPECT_TRUE(second.Install(sink));
}

// The whole way from the system's input queue to recorded events, timed
// by the system's time stamps.
TEST(Win32KeyboardHook, RecorderTurnsTypedKeysIntoTimedEvents) {
    Win32KeyboardHook hook;
    CMacroRecorder recorder(hook);
    EventList list;
    recorder.SetRecordTimeMode(RecordTimeMode::Measured);
    ASSERT_TRUE(recorder.Start(list));
    LookAtMessages();
    Key(VK_SHIFT, true);
    Key('A', true);
    ASSERT_TRUE(PumpUntil([&] { return list.events.size() >= 2; }, kTimeout));
    PumpFor(std::chrono::milliseconds(100));
    Key('A', false);
    Key(VK_SHIFT, false);
    ASSERT_TRUE(PumpUntil([&] { return list.events.size() >= 4; }, kTimeout));
    recorder.Stop();
    EXPECT_FALSE(hook.IsInstalled());

    ASSERT_EQ(list.events.size(), 4u);
    const uint16_t scanA = static_cast<uint16_t>(MapVirtualKeyW('A', MAPVK_VK_TO_VSC));
    EXPECT_EQ(list.events[0].Vk(), VK_SHIFT);
    EXPECT_EQ(list.events[0].Delay(), 0u);
    EXPECT_EQ(list.events[1], MacroEvent::Key('A', scanA, 0, list.events[1].Delay()));
    EXPECT_EQ(list.events[2], MacroEvent::Key('A', scanA, kKeyEventKeyUp, list.events[2].Delay()));
    EXPECT_GE(list.events[2].Delay(), 90u);
    EXPECT_LT(list.events[2].Delay(), 2000u);
    EXPECT_TRUE(list.events[3].IsRelease());
}
