// Switching profiles from the command line: `Qorn.exe /profile NAME` hands
// the name to the running copy, which switches without being brought
// forward and shows a balloon; an unknown name changes nothing; without a
// running copy the program starts with that profile.
#include <gtest/gtest.h>

#include "e2e/support/ProgramFixture.h"
#include "e2e/support/ProgramWindows.h"
#include "win/support/Capture.h"

using namespace std::chrono_literals;

namespace {
BOOL CALLBACK FindBalloon(HWND hwnd, LPARAM found) {
    wchar_t cls[32] = {};
    GetClassNameW(hwnd, cls, 32);
    if (!IsWindowVisible(hwnd) || std::wstring(cls) != L"tooltips_class32") return TRUE;
    *reinterpret_cast<HWND*>(found) = hwnd;
    return FALSE;
}

// A balloon of the notification area on show, or null.
HWND VisibleBalloon() {
    HWND found = nullptr;
    EnumWindows(FindBalloon, reinterpret_cast<LPARAM>(&found));
    return found;
}

class ProfileCommandLine : public ProgramFixture {
protected:
    // A second copy with `arguments`; its exit code, or -1.
    long SecondCopy(const std::wstring& arguments) {
        AppProcess copy(run_.Folder().wstring() + L"\\", arguments);
        DWORD code = 0;
        return copy.WaitForExit(20000ms, &code) ? static_cast<long>(code) : -1;
    }
    static CDocProfileSet AlphaAndBeta() {
        CDocProfileSet profiles;
        profiles.AddDefaultProfile(u"Alpha");
        profiles.AddDefaultProfile(u"Beta");
        profiles.Find(u"Beta")->brightnessLevel = 20;
        profiles.currentName = u"Alpha";
        return profiles;
    }
};

TEST_F(ProfileCommandLine, ASecondCopySwitchesTheRunningOneAndAnUnknownNameChangesNothing) {
    ASSERT_TRUE(ProfileApplied(StartWith(AlphaAndBeta(), ProfileApplied)));
    HWND main = WaitForMainWindow(5s);
    ASSERT_NE(main, nullptr);

    watch_.Mark();
    EXPECT_EQ(SecondCopy(L"/profile Beta"), 0);
    const KeyboardLog log = watch_.WaitUntil([](const KeyboardLog& l) { return ProfileApplied(l); }, 10000);
    EXPECT_NE(FindCommand(log, 11, 255), kNotFound) << "Beta's brightness reaches the keyboard";
    EXPECT_EQ(watch_.State().brightness, 255);
    wchar_t shown[64] = {};
    // The list shows the profile right after the keyboard has it.
    EXPECT_TRUE(WaitFor([&] { return GetWindowTextW(GetDlgItem(main, 1024), shown, 64) && shown == std::wstring(L"Beta"); }, 2s))
        << "the profile list follows";
    EXPECT_FALSE(IsWindowVisible(main)) << "the running copy stays in the tray";
    // The notification area shows the balloon after a moment of its own.
    EXPECT_TRUE(WaitFor([] { return VisibleBalloon() != nullptr; }, 5s)) << "a balloon names the profile";
    EXPECT_TRUE(SavePng(CaptureClient(GetDesktopWindow()), TestProgramFolder() + L"screenshots\\Profile_balloon.png"));

    watch_.Mark();
    EXPECT_EQ(SecondCopy(L"/profile Nobody"), 2);
    Sleep(300);
    EXPECT_TRUE(watch_.WaitUntil([](const KeyboardLog&) { return true; }, 0).empty()) << "nothing was sent";
    GetWindowTextW(GetDlgItem(main, 1024), shown, 64);
    EXPECT_STREQ(shown, L"Beta");

    ASSERT_TRUE(run_.Exit(kProgramTimeoutMs));
    EXPECT_EQ(run_.ReadProfiles().currentName, u"Beta");
}

TEST_F(ProfileCommandLine, WithoutARunningCopyTheProgramStartsWithThatProfile) {
    CDocProfileSet profiles = AlphaAndBeta();
    run_.WriteProfiles(profiles);
    watch_.Mark();
    ASSERT_TRUE(run_.Start(L"/profile Beta"));
    const KeyboardLog log = watch_.WaitUntil(ProfileApplied, kProgramTimeoutMs);
    EXPECT_NE(FindCommand(log, 11, 255), kNotFound);
    ASSERT_TRUE(run_.Exit(kProgramTimeoutMs));

    // An unknown name at start: no window, exit code 2.
    AppProcess unknown(run_.Folder().wstring() + L"\\", L"/profile Nobody");
    DWORD code = 0;
    ASSERT_TRUE(unknown.WaitForExit(20000ms, &code));
    EXPECT_EQ(code, 2u);
}
}  // namespace
