// The setup as a user meets it, in a Wine prefix of its own: a silent
// install, the program started the way Windows starts it at log-on, an
// upgrade over the user's data and language, and the uninstall.
// QORN_SETUP_OLD and QORN_SETUP_NEW name two setups, the second newer.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/win32/UniqueHandle.h"
#include "win/support/AppProcess.h"

using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {
constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Qorn";

fs::path Known(const wchar_t* variable) {
    wchar_t value[MAX_PATH] = {};
    GetEnvironmentVariableW(variable, value, MAX_PATH);
    return value;
}

std::wstring SetupPath(const wchar_t* variable) { return Known(variable).wstring(); }

// Runs a command line and waits for it to end; its exit code, or -1.
long RunAndWait(std::wstring line) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) return -1;
    const UniqueHandle process(info.hProcess), thread(info.hThread);
    if (WaitForSingleObject(process.Get(), 120000) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process.Get(), &code);
    return static_cast<long>(code);
}

// A value of the current user's registry; empty when there is none.
std::wstring RegistryText(const wchar_t* key, const wchar_t* name) {
    wchar_t value[1024] = {};
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) return {};
    return value;
}

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class SetupProgram : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(SetupPath(L"QORN_SETUP_OLD").empty()) << "QORN_SETUP_OLD names no setup";
        ASSERT_FALSE(SetupPath(L"QORN_SETUP_NEW").empty()) << "QORN_SETUP_NEW names no setup";
    }
    const fs::path folder_ = Known(L"LOCALAPPDATA") / L"Programs" / L"Qorn";
    const fs::path shortcut_ = Known(L"APPDATA") / L"Microsoft\\Windows\\Start Menu\\Programs\\Qorn.lnk";
};

TEST_F(SetupProgram, InstallsStartsUpgradesAndUninstallsKeepingTheUsersData) {
    ASSERT_EQ(RunAndWait(L"\"" + SetupPath(L"QORN_SETUP_OLD") + L"\" /S"), 0);
    for (const wchar_t* part : {L"Qorn.exe", L"res\\Main_Normal.bmp", L"lan\\Orvik.ini", L"qorn.pfs", L"qorn.mcs"})
        EXPECT_TRUE(fs::exists(folder_ / part)) << fs::path(part).string();
    EXPECT_TRUE(fs::exists(shortcut_)) << "a Start menu shortcut";
    EXPECT_EQ(RegistryText(kUninstallKey, L"DisplayName"), L"Velmora Gaming Keyboard");
    const std::wstring oldVersion = RegistryText(kUninstallKey, L"DisplayVersion");
    EXPECT_FALSE(oldVersion.empty());
    EXPECT_EQ(RegistryText(kUninstallKey, L"UninstallString"), L"\"" + (folder_ / L"uninstall.exe").wstring() + L"\"");

    // Started as Windows starts it at log-on: the Run key's command line.
    const std::wstring atLogOn = RegistryText(kRunKey, L"Qorn");
    ASSERT_EQ(atLogOn, L"\"" + (folder_ / L"Qorn.exe").wstring() + L"\"");
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    std::wstring line = atLogOn;
    ASSERT_TRUE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info));
    const UniqueHandle program(info.hProcess), thread(info.hThread);
    HWND main = WaitForMainWindow(20000ms);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(AnswerMessageBox(500ms), L"") << "the installed data files load quietly";
    // The window comes before its tray icon; under load the icon may lag.
    bool icon = HasTrayIcon(main);
    for (int i = 0; i < 100 && !icon; ++i, icon = HasTrayIcon(main)) Sleep(50);
    EXPECT_TRUE(icon);
    PostMessageW(main, WM_COMMAND, kExitCommand, 0);
    ASSERT_EQ(WaitForSingleObject(program.Get(), 20000), WAIT_OBJECT_0);

    // The user's own data and language choice, then a newer setup.
    { std::ofstream(folder_ / L"qorn.pfs", std::ios::binary | std::ios::app) << "user's"; }
    const std::string profiles = Bytes(folder_ / L"qorn.pfs");
    ASSERT_TRUE(WritePrivateProfileStringW(L"Language", L"Default", L"Korean", (folder_ / L"lan\\Orvik.ini").c_str()));
    ASSERT_EQ(RunAndWait(L"\"" + SetupPath(L"QORN_SETUP_NEW") + L"\" /S"), 0);
    EXPECT_NE(RegistryText(kUninstallKey, L"DisplayVersion"), oldVersion) << "the newer version is registered";
    EXPECT_EQ(Bytes(folder_ / L"qorn.pfs"), profiles) << "the user's profiles stay as they were";
    wchar_t language[32] = {};
    GetPrivateProfileStringW(L"Language", L"Default", L"", language, 32, (folder_ / L"lan\\Orvik.ini").c_str());
    EXPECT_STREQ(language, L"Korean");
    EXPECT_TRUE(fs::exists(folder_ / L"lan\\Korean.ini"));

    // The uninstaller runs in place (_?=) so that the test can wait for it.
    ASSERT_EQ(RunAndWait(L"\"" + (folder_ / L"uninstall.exe").wstring() + L"\" /S _?=" + folder_.wstring()), 0);
    EXPECT_TRUE(fs::exists(folder_ / L"qorn.pfs")) << "profiles are kept";
    EXPECT_TRUE(fs::exists(folder_ / L"qorn.mcs")) << "macros are kept";
    for (const wchar_t* gone : {L"Qorn.exe", L"res", L"lan"}) EXPECT_FALSE(fs::exists(folder_ / gone));
    EXPECT_FALSE(fs::exists(shortcut_));
    EXPECT_EQ(RegistryText(kRunKey, L"Qorn"), L"");
    EXPECT_EQ(RegistryText(kUninstallKey, L"DisplayName"), L"");
}

TEST_F(SetupProgram, StartWithWindowsCanBeLeftOffAndTheDataRemovedOnRequest) {
    ASSERT_EQ(RunAndWait(L"\"" + SetupPath(L"QORN_SETUP_NEW") + L"\" /S /NOAUTOSTART"), 0);
    EXPECT_TRUE(fs::exists(folder_ / L"Qorn.exe"));
    EXPECT_EQ(RegistryText(kRunKey, L"Qorn"), L"") << "not started with Windows";
    ASSERT_EQ(RunAndWait(L"\"" + (folder_ / L"uninstall.exe").wstring() + L"\" /S /REMOVEDATA _?=" + folder_.wstring()), 0);
    EXPECT_FALSE(fs::exists(folder_ / L"qorn.pfs"));
    EXPECT_FALSE(fs::exists(folder_ / L"qorn.mcs"));
    // The uninstaller run in place cannot delete itself; nothing else is left.
    std::size_t left = 0;
    if (fs::exists(folder_))
        for (const auto& entry : fs::directory_iterator(folder_)) left += entry.path().filename() != L"uninstall.exe";
    EXPECT_EQ(left, 0u);
}
}  // namespace
