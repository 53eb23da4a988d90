#include "platform/win32/Win32HostActions.h"

#include <gtest/gtest.h>

namespace {
// A plain top-level window of this process for the duration of a test.
class TopWindow {
public:
    TopWindow() {
        window_ = CreateWindowExW(0, L"STATIC", L"own", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    }
    ~TopWindow() { DestroyWindow(window_); }
    TopWindow(const TopWindow&) = delete;
    TopWindow& operator=(const TopWindow&) = delete;
    HWND Get() const { return window_; }

private:
    HWND window_;
};
}  // namespace

TEST(Win32HostActions, FindsTheProcessesOwnTopLevelWindowAndForgetsItWhenGone) {
    Win32HostActions host;
    {
        TopWindow own;
        ASSERT_NE(own.Get(), nullptr);
        EXPECT_EQ(host.FindOwnWindow(GetCurrentProcessId()), own.Get());
        EXPECT_EQ(host.FindOwnWindow(GetCurrentProcessId()), own.Get());
    }
    EXPECT_EQ(host.FindOwnWindow(GetCurrentProcessId()), nullptr);
    EXPECT_EQ(host.FindOwnWindow(0xFFFFFFF0u), nullptr);
}

TEST(Win32HostActions, ForceForegroundRestoresAMinimizedWindow) {
    Win32HostActions host;
    TopWindow own;
    ShowWindow(own.Get(), SW_MINIMIZE);
    EXPECT_TRUE(Win32HostActions::ForceForeground(own.Get()));
    EXPECT_FALSE(IsIconic(own.Get()));
    EXPECT_FALSE(Win32HostActions::ForceForeground(nullptr));
}
