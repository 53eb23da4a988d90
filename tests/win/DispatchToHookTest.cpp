#include <gtest/gtest.h>

#include "actions/Dispatcher.h"
#include "platform/SystemClock.h"
#include "platform/win32/Win32HostActions.h"
#include "platform/win32/Win32InputSink.h"
#include "platform/win32/Win32SystemTimer.h"
#include "support/EnterKeyProfiles.h"
#include "support/FakeDispatcherHost.h"
#include "win/support/KeyboardHookRecorder.h"

// The whole way from a keyboard report to the system's input queue.
TEST(DispatchToHook, EnterKeyReportSendsEnterDownAndUpThirtyMsApart) {
    constexpr uint8_t kEnterCode = 0x28;
    KeyboardHookRecorder hook;
    Win32SystemTimer timer;
    CSystemClock clock(timer);
    Win32InputSink input;
    Win32HostActions host;
    const ActionServices services{input, clock, host};
    CDocProfileSet profiles = EnterKeyProfiles();
    ASSERT_EQ(profiles.Current()->keys[VK_RETURN].code, kEnterCode);
    FakeDispatcherHost window(profiles);
    CDispatcher dispatcher(profiles, window, services, [](const std::u16string&) { return MacroSnapshot{}; });

    const std::array<uint8_t, 12> pressed{0, 0, kEnterCode};
    const std::array<uint8_t, 12> released{};
    ASSERT_EQ(dispatcher.OnDeviceReport(pressed.data(), pressed.size()), 1);
    ASSERT_EQ(dispatcher.OnDeviceReport(released.data(), released.size()), 1);

    const auto keys = hook.WaitFor(2, std::chrono::seconds(5));
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].vk, static_cast<DWORD>(VK_RETURN));
    EXPECT_EQ(keys[0].flags & LLKHF_UP, 0u);
    EXPECT_EQ(keys[1].vk, static_cast<DWORD>(VK_RETURN));
    EXPECT_NE(keys[1].flags & LLKHF_UP, 0u);
    // The wait between the records; its precision is the benchmark's business.
    EXPECT_GE(keys[1].time - keys[0].time, 29u);
    EXPECT_LT(keys[1].time - keys[0].time, 200u);
    dispatcher.EndAllActivations();
}
