// The real program at a display scale above 100 %: Wine takes the scale
// from LogPixels when a program starts, and the program, being DPI aware,
// lays its window out at that scale. The user clicks where the controls
// now are.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "e2e/support/KbSimRun.h"
#include "e2e/support/ProgramWindows.h"
#include "e2e/support/UserHands.h"
#include "e2e/support/WindowFlowFixture.h"
#include "geometry/DpiScale.h"
#include "win/support/Capture.h"
#include "e2e/support/MainWindowPlaces.h"

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

// At 96 DPI, relative to the main window (the keyboard page stands at
// 282,160).
constexpr PixelRect kKeyboardButton{109, 113, 0, 0};

constexpr PixelRect At(POINT p) { return {p.x, p.y, 0, 0}; }

RECT ScreenRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

class DisplayScaleFlow : public WindowFlowFixture, public ::testing::WithParamInterface<int> {
protected:
    void ClickScaled(HWND window, const PixelRect& at) {
        const PixelRect scaled = ScaleRect(at, GetParam());
        Click(window, POINT{scaled.x, scaled.y});
    }
    // The key hint over key S and the key assignment dialog that a click on
    // it opens, where they belong at the scale.
    void CheckHintAndDialog(HWND main) {
        const int dpi = GetParam();
        ClickScaled(main, kKeyboardButton);
        const PixelRect s = ScaleRect(At(kKeyS), dpi);
        ASSERT_TRUE(MoveTo(main, s.x, s.y));
        HWND hint = OwnedWindowWith(main, kHintKindId, 10s);
        ASSERT_NE(hint, nullptr) << "a hint shows for the key under the pointer";
        const RECT m = ScreenRect(main);
        const RECT key = ScreenRect(WindowFromPoint(POINT{m.left + s.x, m.top + s.y}));
        const RECT h = ScreenRect(hint);
        EXPECT_EQ(h.right - h.left, ScaleLength(76, dpi));
        EXPECT_EQ(h.bottom - h.top, ScaleLength(72, dpi));
        EXPECT_EQ(h.bottom, key.top + ScaleLength(2, dpi)) << "above the key, overlapping it by 2 pixels scaled";
        EXPECT_LE(std::abs((h.left + h.right) - (key.left + key.right)), 1) << "centred on it";

        ClickScaled(main, At(kKeyS));
        HWND dialog = OwnedWindowWith(main, kSaveId, 5s);
        ASSERT_NE(dialog, nullptr) << "a click on the key opens the key assignment dialog";
        const RECT d = ScreenRect(dialog);
        EXPECT_EQ(d.right - d.left, ScaleLength(400, dpi));
        EXPECT_EQ(d.bottom - d.top, ScaleLength(300, dpi));
        EXPECT_LE(std::abs((d.left + d.right) - (m.left + m.right)), 1) << "centred over the main window";
        EXPECT_LE(std::abs((d.top + d.bottom) - (m.top + m.bottom)), 1);
        // Save, not Cancel: at 200 % Cancel lies beyond the test screen's edge.
        ClickScaled(dialog, At(kSave));
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5s)) << "Save, where it now is, closes it";
    }
};

TEST_P(DisplayScaleFlow, TheWindowGrowsAndItsBacklightSwitchHintAndDialogAreWhereTheyNowBelong) {
    const DisplayScale scale(static_cast<DWORD>(GetParam()));
    HWND main = Start(DefaultProfiles());
    ASSERT_NE(main, nullptr);
    RECT r{};
    GetWindowRect(main, &r);
    // At 200 % the window is wider than the test's screen (1280 px) and
    // starts centred, its left part off the screen: the user drags it to
    // the left edge.
    SetWindowPos(main, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(r.right - r.left, ScaleLength(1050, GetParam()));
    EXPECT_EQ(r.bottom - r.top, ScaleLength(500, GetParam()));

    ClickScaled(main, At(kBacklightButton));
    HWND backlight = PageWith(main, 1005, L"msctls_trackbar32");
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(backlight) != 0; }, 5s)) << "the backlight page shows";
    ClickScaled(main, At(kBacklightSwitch));
    const auto off = [] { return nlohmann::json::parse(Kbsim("state").out, nullptr, false)["backlight"] == false; };
    EXPECT_TRUE(WaitFor(off, 5s)) << "the keyboard was told to switch the backlight off";
    ClickScaled(main, At(kBacklightSwitch));  // back on for the next tests
    EXPECT_TRUE(WaitFor([&] { return !off(); }, 5s));
    CheckHintAndDialog(main);
}

INSTANTIATE_TEST_SUITE_P(At150And200Percent, DisplayScaleFlow, ::testing::Values(144, 192));

// The page buttons at 96 DPI and the name of each page's picture.
constexpr struct {
    PixelRect button;
    const wchar_t* name;
} kPages[] = {{{109, 113, 0, 0}, L"keyboard"}, {{241, 113, 0, 0}, L"macro"},
              {{376, 113, 0, 0}, L"backlight"}, {{509, 113, 0, 0}, L"gaming"}};

// Mean difference per colour channel, 0-255, between `small` and `big`
// halved by averaging each 2 x 2 block.
double MeanDifferenceOfHalf(const Capture& big, const Capture& small) {
    double sum = 0;
    const auto channel = [](uint32_t p, int shift) { return static_cast<int>((p >> shift) & 0xFF); };
    for (int y = 0; y < small.height; ++y)
        for (int x = 0; x < small.width; ++x)
            for (int shift : {0, 8, 16}) {
                const int half = (channel(big.At(2 * x, 2 * y), shift) + channel(big.At(2 * x + 1, 2 * y), shift) +
                                  channel(big.At(2 * x, 2 * y + 1), shift) + channel(big.At(2 * x + 1, 2 * y + 1), shift)) / 4;
                sum += std::abs(half - channel(small.At(x, y), shift));
            }
    return sum / (3.0 * small.width * small.height);
}

using DisplayScalePictures = WindowFlowFixture;

// Every page at 100 %, 150 % and 200 % (pictures saved as
// Main_<percent>_<page>.png); the 200 % picture halved looks like the 100 % one.
TEST_F(DisplayScalePictures, PagesAt200PercentHalvedMatchThoseAt100Percent) {
    if (GetSystemMetrics(SM_CXSCREEN) < 2100 || GetSystemMetrics(SM_CYSCREEN) < 1000)
        GTEST_SKIP() << "the screen is too small for the window at 200 %";
    constexpr int kDpis[] = {96, 192, 144};
    std::vector<Capture> pictures[std::size(kDpis)];
    for (std::size_t run = 0; run < std::size(kDpis); ++run) {
        const int dpi = kDpis[run];
        const DisplayScale scale(static_cast<DWORD>(dpi));
        HWND main = Start(DefaultProfiles());
        ASSERT_NE(main, nullptr);
        for (const auto& page : kPages) {
            const PixelRect at = ScaleRect(page.button, dpi);
            Click(main, POINT{at.x, at.y});
            ASSERT_TRUE(ClickAt(main, ScaleLength(640, dpi), ScaleLength(30, dpi)));  // no hover shows
            Sleep(500);
            pictures[run].push_back(CaptureClient(main));
            EXPECT_TRUE(SavePng(pictures[run].back(), TestProgramFolder() + L"screenshots\\Main_" +
                                                          std::to_wstring(dpi * 100 / kBaseDpi) + L"_" + page.name + L".png"));
        }
        if (run + 1 < std::size(kDpis))
            ASSERT_TRUE(run_.Exit(kProgramTimeoutMs));
        else
            (void)ExitAndRead();  // what it saved does not matter here
    }
    for (std::size_t i = 0; i < std::size(kPages); ++i) {
        SCOPED_TRACE(std::string(kPages[i].name, kPages[i].name + wcslen(kPages[i].name)));
        ASSERT_EQ(pictures[1][i].width, 2 * pictures[0][i].width);
        EXPECT_LT(MeanDifferenceOfHalf(pictures[1][i], pictures[0][i]), 8.0);
    }
}
}  // namespace
