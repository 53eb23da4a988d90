#include <gtest/gtest.h>

#include <aclapi.h>
#include <sddl.h>

#include <filesystem>

#include "platform/win32/UniqueResource.h"
#include "win/support/AppProcess.h"
#include "win/support/Capture.h"

using namespace std::chrono_literals;

namespace {
constexpr UINT kTrayNotify = WM_USER + 10;
constexpr ACCESS_MASK kModify = FILE_WRITE_DATA | FILE_APPEND_DATA | DELETE;

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The access that an explicit entry for Everyone grants on `path`; 0 if none.
ACCESS_MASK EveryoneAccess(const std::wstring& path) {
    PACL acl = nullptr;
    PSECURITY_DESCRIPTOR sd = nullptr;
    if (GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &acl,
                              nullptr, &sd) != ERROR_SUCCESS)
        return 0;
    const UniqueLocalMemory<PSECURITY_DESCRIPTOR> owned(sd);
    PSID sid = nullptr;
    ConvertStringSidToSidW(L"S-1-1-0", &sid);
    const UniqueLocalMemory<PSID> everyone(sid);
    ACCESS_MASK mask = 0;
    for (DWORD i = 0; acl && i < acl->AceCount; ++i) {
        ACCESS_ALLOWED_ACE* ace = nullptr;
        if (!GetAce(acl, i, reinterpret_cast<void**>(&ace)) || ace->Header.AceType != ACCESS_ALLOWED_ACE_TYPE)
            continue;
        if (EqualSid(&ace->SidStart, everyone.Get())) mask |= ace->Mask;
    }
    return mask;
}

bool EndsWith(const std::wstring& text, const std::wstring& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}
}  // namespace

// The program folder as installed holds the default data files: a first
// start is quiet.
TEST(MainApp, InstalledProgramStartsWithoutAMessage) {
    const std::wstring folder = MakeAppFolder(L"installed", true);
    AppProcess app(folder);
    ASSERT_TRUE(app.Started());
    HWND main = WaitForMainWindow(10000ms);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(AnswerMessageBox(1000ms), L"");
    PostMessageW(main, WM_COMMAND, kExitCommand, 0);
    EXPECT_TRUE(app.WaitForExit(10000ms));
}

// A profile data file cut short is kept beside itself, and the message says
// where, before the save at exit replaces it.
TEST(MainApp, DamagedProfileFileIsKeptBeforeExitReplacesIt) {
    const std::wstring folder = MakeAppFolder(L"damaged", true);
    const std::filesystem::path data = folder + L"qorn.pfs";
    std::filesystem::resize_file(data, 1000);
    AppProcess app(folder);
    ASSERT_TRUE(app.Started());
    const std::wstring message = AnswerMessageBox(10000ms);
    const std::wstring lead = L"Unexpected file format.\nIt was kept as ";
    ASSERT_EQ(message.rfind(lead + data.wstring() + L".damaged-", 0), 0u) << std::string(message.begin(), message.end());
    const std::filesystem::path kept = message.substr(lead.size(), message.find(L';') - lead.size());
    HWND main = WaitForMainWindow(10000ms);
    ASSERT_NE(main, nullptr);
    PostMessageW(main, WM_COMMAND, kExitCommand, 0);
    ASSERT_TRUE(app.WaitForExit(10000ms));
    EXPECT_EQ(std::filesystem::file_size(kept), 1000u) << "the damaged file as it was";
    EXPECT_GT(std::filesystem::file_size(data), 1000u) << "a whole set was saved in its place";
}

TEST(MainApp, FirstRunReportsEachMissingFileOnceStaysInTheTrayAndSavesAtExit) {
    const std::wstring folder = MakeAppFolder(L"first");
    DeleteFileW((TestProgramFolder() + L"qorn.pfs").c_str());
    AppProcess app(folder);
    ASSERT_TRUE(app.Started());

    // Macros are read first, then profiles.
    const std::wstring first = AnswerMessageBox(10000ms);
    const std::wstring second = AnswerMessageBox(5000ms);
    EXPECT_TRUE(EndsWith(first, L"qorn.mcs was not found.")) << std::string(first.begin(), first.end());
    EXPECT_TRUE(EndsWith(second, L"qorn.pfs was not found.")) << std::string(second.begin(), second.end());

    HWND main = WaitForMainWindow(10000ms);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(AnswerMessageBox(300ms), L"") << "no third message";
    EXPECT_FALSE(IsWindowVisible(main));
    // The window is found while it still initialises; the icon comes with its first show.
    for (int i = 0; i < 250 && !HasTrayIcon(main); ++i) Sleep(20);
    EXPECT_TRUE(HasTrayIcon(main));

    // A second copy ends at once and leaves the first alone and hidden.
    {
        AppProcess copy(folder);
        DWORD code = 99;
        EXPECT_TRUE(copy.WaitForExit(10000ms, &code));
        EXPECT_EQ(code, 0u);
    }
    EXPECT_TRUE(app.Running());
    EXPECT_EQ(WaitForMainWindow(0ms), main);
    EXPECT_FALSE(IsWindowVisible(main));

    PostMessageW(main, WM_COMMAND, kExitCommand, 0);
    EXPECT_TRUE(app.WaitForExit(10000ms));
    EXPECT_TRUE(Exists(folder + L"qorn.mcs"));
    EXPECT_TRUE(Exists(folder + L"qorn.pfs"));
    EXPECT_FALSE(Exists(TestProgramFolder() + L"qorn.pfs")) << "written beside the caller";
}

TEST(MainApp, TrayDoubleClickShowsTheWindowAndClosingHidesItAgain) {
    const std::wstring folder = MakeAppFolder(L"tray");
    {
        // A first run creates the data files.
        AppProcess setup(folder);
        AnswerMessageBox(10000ms);
        AnswerMessageBox(5000ms);
        HWND main = WaitForMainWindow(10000ms);
        ASSERT_NE(main, nullptr);
        PostMessageW(main, WM_COMMAND, kExitCommand, 0);
        ASSERT_TRUE(setup.WaitForExit(10000ms));
    }
    AppProcess app(folder);
    HWND main = WaitForMainWindow(10000ms);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(AnswerMessageBox(500ms), L"") << "both files were there";
    // Every user may change the data files; the folder is not opened up.
    for (const wchar_t* file : {L"qorn.pfs", L"qorn.mcs"}) {
        const ACCESS_MASK granted = EveryoneAccess(folder + file);
        EXPECT_EQ(granted & kModify, kModify);
    }
    // Adding or replacing files in the folder stays with its owners.
    EXPECT_EQ(EveryoneAccess(folder.substr(0, folder.size() - 1)) & kModify, 0u);

    // Ending the Windows session saves both data files at once.
    ASSERT_TRUE(DeleteFileW((folder + L"qorn.mcs").c_str()));
    SendMessageW(main, WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(Exists(folder + L"qorn.mcs"));

    SendMessageW(main, kTrayNotify, 128, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_FALSE(HasTrayIcon(main));
    {
        // A second copy keeps the shown window shown, and ends.
        AppProcess copy(folder);
        EXPECT_TRUE(copy.WaitForExit(10000ms));
    }
    EXPECT_TRUE(IsWindowVisible(main));
    RECT r{};
    GetWindowRect(main, &r);
    EXPECT_EQ(r.right - r.left, 1050) << "sized by its mask";

    // Another icon id is not ours: nothing happens, the answer is 1.
    EXPECT_EQ(SendMessageW(main, kTrayNotify, 127, WM_LBUTTONDBLCLK), 1);
    // Enter and Escape do nothing.
    SendMessageW(main, WM_COMMAND, IDCANCEL, 0);
    SendMessageW(main, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(IsWindowVisible(main));

    // The minimize button keeps the window shown, as an icon.
    SendMessageW(main, WM_COMMAND, 1001, 0);
    EXPECT_TRUE(IsIconic(main));
    EXPECT_TRUE(IsWindowVisible(main));
    ShowWindow(main, SW_RESTORE);

    // Close and the system menu's Close hide it to the tray.
    for (const auto& close : {std::pair<UINT, WPARAM>{WM_CLOSE, 0}, {WM_SYSCOMMAND, SC_CLOSE}}) {
        SendMessageW(main, kTrayNotify, 128, WM_LBUTTONDBLCLK);
        SendMessageW(main, close.first, close.second, 0);
        EXPECT_FALSE(IsWindowVisible(main));
        EXPECT_TRUE(HasTrayIcon(main));
        EXPECT_TRUE(app.Running());
    }

    PostMessageW(main, WM_COMMAND, kExitCommand, 0);
    EXPECT_TRUE(app.WaitForExit(10000ms));
}

// The language remembered in the language file names the window and the tray
// icon; without a language file the program speaks English.
TEST(MainApp, TitleComesFromTheRememberedLanguage) {
    const auto title = [](const std::wstring& folder) {
        AppProcess app(folder);
        AnswerMessageBox(10000ms);
        AnswerMessageBox(5000ms);
        HWND main = WaitForMainWindow(10000ms);
        wchar_t text[128] = {};
        // The window is found while it still initialises; its title comes last.
        for (int i = 0; main && i < 250 && GetWindowTextW(main, text, 128) == 0; ++i) Sleep(20);
        if (main) PostMessageW(main, WM_COMMAND, kExitCommand, 0);
        EXPECT_TRUE(app.WaitForExit(10000ms));
        return std::wstring(text);
    };
    const std::wstring chinese = MakeAppFolder(L"chinese");
    const std::wstring languageFile = chinese + L"lan\\Orvik.ini";
    ASSERT_TRUE(WritePrivateProfileStringW(L"Language", L"Default", L"Chinese", languageFile.c_str()));
    EXPECT_EQ(title(chinese), L"Velmora \u6E38\u620F\u952E\u76D8");
    wchar_t kept[32] = {};
    GetPrivateProfileStringW(L"Language", L"Default", L"", kept, 32, languageFile.c_str());
    EXPECT_STREQ(kept, L"Chinese");

    const std::wstring bare = MakeAppFolder(L"nolanguage");
    DeleteFileW((bare + L"lan\\Orvik.ini").c_str());
    EXPECT_EQ(title(bare), L"Velmora Gaming Keyboard");
}
