// Profiles that follow the program in the foreground: Notepad linked to a
// profile through the window (mouse and file dialog), then started and
// closed, with the keyboard following; the link in programs.ini survives a
// rename of the profile.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "e2e/support/ProgramFixture.h"
#include "e2e/support/ProgramWindows.h"
#include "e2e/support/UserHands.h"
#include "e2e/support/MainWindowPlaces.h"

using namespace std::chrono_literals;

namespace {
constexpr POINT kBrowseProgram{222, 472};

std::string FileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool IsForegroundOf(DWORD process) {
    DWORD owner = 0;
    GetWindowThreadProcessId(GetForegroundWindow(), &owner);
    return owner == process;
}

double MsSince(std::chrono::steady_clock::time_point at) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - at).count();
}

using ProgramProfiles = ProgramFixture;

TEST_F(ProgramProfiles, NotepadTakesItsProfileAlongAndLeavingGivesTheFormerOneBack) {
    CDocProfileSet profiles;
    profiles.AddDefaultProfile(u"Alpha");
    profiles.AddDefaultProfile(u"Beta");
    profiles.Find(u"Beta")->brightnessLevel = 20;
    profiles.currentName = u"Beta";
    ASSERT_TRUE(ProfileApplied(StartWith(std::move(profiles), ProfileApplied)));
    HWND main = WaitForMainWindow(5s);
    ASSERT_TRUE(main && ShowFromTray(main));

    // Beta gets Notepad through the file dialog.
    ASSERT_TRUE(ClickAt(main, kBrowseProgram.x, kBrowseProgram.y));
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (dialog = FindWindowW(L"#32770", L"Open")) != nullptr; }, 10s));
    Sleep(500);
    ASSERT_TRUE(TypeText("C:\\windows\\notepad.exe"));
    ASSERT_TRUE(PressKeys("Return"));
    const auto links = run_.Folder() / "programs.ini";
    ASSERT_TRUE(WaitFor([&] { return FileText(links).find("notepad.exe=Beta") != std::string::npos; }, 5s))
        << FileText(links);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5s));
    EXPECT_EQ(EditText(HostedEdit(main, 1045)), L"notepad.exe") << "the program field shows the link";

    // Alpha becomes current by the user's choice; the window goes to the tray.
    ASSERT_TRUE(ClickAt(main, kProfileList.x, kProfileList.y));
    HWND dropDown = OpenDropDown(main, 5s);
    ASSERT_NE(dropDown, nullptr);
    ASSERT_TRUE(PickRow(dropDown, 0));
    ASSERT_TRUE(WaitFor([&] { return watch_.State().brightness == 56; }, 5s)) << "Alpha's brightness";
    ASSERT_TRUE(ClickAt(main, 1023, 13)) << "the close button hides the window to the tray";
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main); }, 5s));
    // Without a window manager Wine waits up to 2 s for the X window to be
    // withdrawn before hiding returns; the program answers again after that.
    ASSERT_TRUE(SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr));

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION notepad{};
    std::wstring line = L"notepad.exe";
    ASSERT_TRUE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &notepad));
    ASSERT_TRUE(WaitFor([&] { return IsForegroundOf(notepad.dwProcessId); }, 20s)) << "Notepad takes the foreground";
    const auto foreground = std::chrono::steady_clock::now();
    ASSERT_TRUE(WaitFor([&] { return watch_.State().brightness == 255; }, 5s)) << "Beta follows Notepad";
    EXPECT_LE(MsSince(foreground), 200.0) << "within 200 ms of Notepad taking the foreground";

    PostMessageW(GetForegroundWindow(), WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(notepad.hProcess, 10000), WAIT_OBJECT_0);
    CloseHandle(notepad.hProcess);
    CloseHandle(notepad.hThread);
    EXPECT_TRUE(WaitFor([&] { return watch_.State().brightness == 56; }, 5s)) << "Alpha comes back";

    // A rename of Beta carries its link along.
    ASSERT_TRUE(ShowFromTray(main));
    ASSERT_TRUE(ClickAt(main, kProfileList.x, kProfileList.y));
    dropDown = OpenDropDown(main, 5s);
    ASSERT_NE(dropDown, nullptr);
    ASSERT_TRUE(PickRow(dropDown, 1));
    ASSERT_TRUE(ClickAt(main, kProfileNameEdit.x, kProfileNameEdit.y));
    ASSERT_TRUE(PressKeys("End BackSpace BackSpace BackSpace BackSpace"));
    ASSERT_TRUE(TypeText("Gamma"));
    ASSERT_TRUE(PressKeys("Return"));
    EXPECT_TRUE(WaitFor([&] { return FileText(links).find("notepad.exe=Gamma") != std::string::npos; }, 5s))
        << FileText(links);
    ASSERT_TRUE(run_.Exit(kProgramTimeoutMs));
    EXPECT_NE(FileText(links).find("notepad.exe=Gamma"), std::string::npos) << "the link is kept at exit";
}
}  // namespace
