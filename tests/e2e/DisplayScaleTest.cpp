// The real program at a display scale above 100 %: Wine takes the scale
// from LogPixels when a program starts, and the program, being DPI aware,
// lays its window out at that scale. The user clicks where the controls
// now are.
#include <gtest/gtest.h>

#include <windows.h>

#include <nlohmann/json.hpp>

#include "e2e/support/KbSimRun.h"
#include "e2e/support/ProgramWindows.h"
#include "e2e/support/WindowFlowFixture.h"
#include "geometry/DpiScale.h"

using namespace std::chrono_literals;

namespace {
// LogPixels of the current user for the programs started while it lives.
class DisplayScale {
public:
    explicit DisplayScale(DWORD dpi) {
        EXPECT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"LogPixels", REG_DWORD, &dpi, sizeof dpi), ERROR_SUCCESS);
    }
    ~DisplayScale() { RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, L"LogPixels"); }
    DisplayScale(const DisplayScale&) = delete;
    DisplayScale& operator=(const DisplayScale&) = delete;

private:
    static constexpr const wchar_t* kKey = L"Control Panel\\Desktop";
};

// At 96 DPI, relative to the main window (the backlight page stands at 280,160).
constexpr PixelRect kBacklightButton{376, 113, 0, 0};
constexpr PixelRect kBacklightSwitch{280 + 188, 160 + 73, 0, 0};

class DisplayScaleFlow : public WindowFlowFixture, public ::testing::WithParamInterface<int> {
protected:
    void ClickScaled(HWND main, const PixelRect& at) {
        const PixelRect scaled = ScaleRect(at, GetParam());
        Click(main, POINT{scaled.x, scaled.y});
    }
};

TEST_P(DisplayScaleFlow, TheWindowGrowsAndItsBacklightSwitchWorksWhereItNowIs) {
    const DisplayScale scale(static_cast<DWORD>(GetParam()));
    HWND main = Start(DefaultProfiles());
    ASSERT_NE(main, nullptr);
    RECT r{};
    GetWindowRect(main, &r);
    EXPECT_EQ(r.right - r.left, ScaleLength(1050, GetParam()));
    EXPECT_EQ(r.bottom - r.top, ScaleLength(500, GetParam()));

    ClickScaled(main, kBacklightButton);
    HWND backlight = PageWith(main, 1005, L"msctls_trackbar32");
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(backlight) != 0; }, 5s)) << "the backlight page shows";
    ClickScaled(main, kBacklightSwitch);
    const auto off = [] { return nlohmann::json::parse(Kbsim("state").out, nullptr, false)["backlight"] == false; };
    EXPECT_TRUE(WaitFor(off, 5s)) << "the keyboard was told to switch the backlight off";
    ClickScaled(main, kBacklightSwitch);  // back on for the next tests
    EXPECT_TRUE(WaitFor([&] { return !off(); }, 5s));
}

INSTANTIATE_TEST_SUITE_P(At150And200Percent, DisplayScaleFlow, ::testing::Values(144, 192));
}  // namespace
