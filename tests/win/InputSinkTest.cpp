#include <gtest/gtest.h>

#include "model/KeyAction.h"
#include "model/MouseFunction.h"
#include "platform/win32/Win32InputSink.h"
#include "win/support/KeyboardHookRecorder.h"

TEST(Win32InputSink, MouseRecordConvertsFieldByField) {
    CKeyAction a;
    WriteMouseFunction(a, MouseFunction::Button5);
    const INPUT in = Win32InputSink::ToNative(a.mouseInputs[0]);
    EXPECT_EQ(in.type, INPUT_MOUSE);
    EXPECT_EQ(in.mi.mouseData, 2u);
    EXPECT_EQ(in.mi.dwFlags, static_cast<DWORD>(MOUSEEVENTF_XDOWN));
    EXPECT_EQ(in.mi.dx, 0);
}

TEST(Win32InputSink, KeyboardRecordsArriveAtALowLevelHook) {
    KeyboardHookRecorder hook;
    CKeyAction a(u"A", 0x04, 0);
    a.kind = kKindKeyboard;
    // Right Ctrl: an extended key, so the extended bit travels too.
    a.keyboardInputs[0] = InputRecord::Keyboard(VK_RCONTROL, 0x1D, kKeyEventExtendedKey);
    a.keyboardInputs[1] = InputRecord::Keyboard(VK_RCONTROL, 0x1D, kKeyEventExtendedKey | kKeyEventKeyUp);
    Win32InputSink sink;
    ASSERT_TRUE(sink.Send(a.keyboardInputs[0]));
    ASSERT_TRUE(sink.Send(a.keyboardInputs[1]));

    const auto keys = hook.WaitFor(2, std::chrono::seconds(5));
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].vk, static_cast<DWORD>(VK_RCONTROL));
    EXPECT_EQ(keys[0].scan, 0x1Du);
    EXPECT_EQ(keys[0].flags & LLKHF_UP, 0u);
    EXPECT_NE(keys[0].flags & LLKHF_EXTENDED, 0u);
    EXPECT_NE(keys[0].flags & LLKHF_INJECTED, 0u);
    EXPECT_EQ(keys[1].vk, static_cast<DWORD>(VK_RCONTROL));
    EXPECT_NE(keys[1].flags & LLKHF_UP, 0u);
}
