// Reports from the listener thread reach a window as WM_DEVICE_REPORT on the
// window's own thread.
#include <gtest/gtest.h>

#include <vector>

#include "device/DeviceChannel.h"
#include "device/sim/KeyboardSimulator.h"
#include "device/win32/WindowReportReceiver.h"
#include "platform/VirtualClock.h"

namespace {
struct Received {
    DWORD thread;
    uint8_t code;
    LPARAM length;
};
std::vector<Received> received;

LRESULT CALLBACK ReportWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_DEVICE_REPORT) return DefWindowProcW(hwnd, msg, wp, lp);
    received.push_back({GetCurrentThreadId(), reinterpret_cast<const uint8_t*>(wp)[2], lp});
    return 1;
}

// Handles sent messages until `n` reports arrived or five seconds passed.
bool PumpUntil(std::size_t n) {
    for (DWORD start = GetTickCount(); received.size() < n; Sleep(1)) {
        if (GetTickCount() - start > 5000) return false;
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
    }
    return true;
}
}  // namespace

TEST(WindowReportReceiver, ReportsArriveInOrderOnTheWindowsThreadUntilItIsGone) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ReportWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"QornReportTestWindow";
    ASSERT_NE(RegisterClassW(&wc), 0);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);

    CVirtualClock clock;
    CVirtualClock::Participant self(clock);
    KeyboardSimulator keyboard(clock);
    CDeviceChannel channel(keyboard, clock);
    channel.SetReportReceiver(WindowReportReceiver(window));
    ASSERT_TRUE(channel.Open());
    for (uint8_t code : {0x04, 0x05, 0x06}) ASSERT_TRUE(keyboard.QueueReport({0, 0, code}));
    ASSERT_TRUE(PumpUntil(3));
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(received[i].thread, GetCurrentThreadId());
        EXPECT_EQ(received[i].code, 0x04 + i);
        EXPECT_EQ(received[i].length, 12);
    }

    // With the window gone the listener's message fails and it waits again.
    DestroyWindow(window);
    const int fetches = keyboard.RequestCount(IOCTL_KB_GET_EVENTS);
    ASSERT_TRUE(keyboard.QueueReport({0, 0, 0x07}));
    for (DWORD start = GetTickCount(); GetTickCount() - start < 5000; Sleep(1))
        if (keyboard.RequestCount(IOCTL_KB_GET_EVENTS) > fetches && keyboard.PendingStatusRequests() == 1) break;
    EXPECT_EQ(keyboard.PendingStatusRequests(), 1);
    EXPECT_EQ(received.size(), 3u);
    channel.Close();
    EXPECT_FALSE(channel.HasListener());
    UnregisterClassW(wc.lpszClassName, wc.hInstance);
}
