// The main window's controls driven as the user drives them, in the real
// program: the profile buttons, the name edit and the language buttons.
#include <gtest/gtest.h>

#include "model/DocProfileSet.h"
#include "platform/StdFileStore.h"
#include "support/FakeUserPrompt.h"
#include "win/support/AppProcess.h"

using namespace std::chrono_literals;

namespace {
constexpr int kNew = 1028, kDelete = 1029, kCopy = 1030, kKorean = 1022, kProfileLabel = 1041;
constexpr int kBacklightPage = 1018, kGamingPage = 1019;

std::wstring ItemText(HWND main, int id) {
    wchar_t text[128] = {};
    GetDlgItemTextW(main, id, text, 128);
    return text;
}

HWND NameEdit(HWND main) { return HostedEdit(main, 1026); }

std::wstring NameText(HWND main) {
    wchar_t text[128] = {};
    // GetWindowTextW would not ask a control of another process.
    SendMessageW(NameEdit(main), WM_GETTEXT, 128, reinterpret_cast<LPARAM>(text));
    return text;
}

bool Enabled(HWND main, int id) { return IsWindowEnabled(GetDlgItem(main, id)) != 0; }

// A program that has made its first run, so both data files exist, and
// has finished setting up its window (the title comes last).
class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        {
            AppProcess setup(folder_);
            AnswerMessageBox(10000ms);
            AnswerMessageBox(5000ms);
            HWND main = WaitForMainWindow(10000ms);
            ASSERT_NE(main, nullptr);
            PostMessageW(main, WM_COMMAND, kExitCommand, 0);
            ASSERT_TRUE(setup.WaitForExit(10000ms));
        }
        app_.emplace(folder_);
        main_ = WaitForMainWindow(10000ms);
        ASSERT_NE(main_, nullptr);
        for (int i = 0; i < 250 && GetWindowTextLengthW(main_) == 0; ++i) Sleep(20);
    }
    void Exit() {
        PostMessageW(main_, WM_COMMAND, kExitCommand, 0);
        EXPECT_TRUE(app_->WaitForExit(10000ms));
    }
    void Command(int id) { SendMessageW(main_, WM_COMMAND, static_cast<WPARAM>(id), 0); }

    std::wstring folder_ = MakeAppFolder(L"window");
    std::optional<AppProcess> app_;
    HWND main_ = nullptr;
};

TEST_F(MainWindow, ProfileButtonsChangeTheSavedProfileSet) {
    EXPECT_EQ(NameText(main_), L"Profile1");
    EXPECT_FALSE(Enabled(main_, kDelete)) << "the only profile cannot be deleted";
    EXPECT_TRUE(Enabled(main_, kCopy));

    Command(kNew);
    EXPECT_EQ(NameText(main_), L"Profile2");
    EXPECT_TRUE(Enabled(main_, kDelete));

    // A name typed but not confirmed is confirmed by the next change, which
    // then asks about the profile under that name; No keeps the name.
    SendMessageW(NameEdit(main_), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Racing"));
    PostMessageW(main_, WM_COMMAND, kCopy, 0);
    EXPECT_EQ(AnswerMessageBox(5000ms, IDNO), L"Are you sure to save 'Racing'?");
    for (int i = 0; i < 100 && NameText(main_) == L"Racing"; ++i) Sleep(20);
    const std::wstring copy = NameText(main_);
    EXPECT_EQ(copy, L"Racing(Copy)");
    Exit();

    CDocProfileSet saved;
    StdFileStore files;
    FakeUserPrompt prompt;
    const std::wstring path = folder_ + L"qorn.pfs";
    ASSERT_TRUE(saved.OnOpenDocument(std::u16string(path.begin(), path.end()), DocumentIo{files, prompt}));
    std::vector<std::u16string> names;
    for (const auto& entry : saved.profiles) names.push_back(entry.first);
    EXPECT_EQ(names, (std::vector<std::u16string>{u"Profile1", u"Racing", u"Racing(Copy)"}));
    EXPECT_EQ(saved.currentName, std::u16string(copy.begin(), copy.end()));
}

TEST_F(MainWindow, LanguageButtonSwitchesTextsAndIsRemembered) {
    EXPECT_EQ(ItemText(main_, kProfileLabel), L"Profile");
    Command(kBacklightPage);
    Command(kKorean);
    wchar_t title[64] = {};
    GetWindowTextW(main_, title, 64);
    EXPECT_STREQ(title, L"Velmora \uAC8C\uC774\uBC0D \uD0A4\uBCF4\uB4DC");
    EXPECT_EQ(ItemText(main_, kProfileLabel), L"\uD504\uB85C\uD544");
    EXPECT_EQ(ItemText(PageWith(main_, 1005, L"msctls_trackbar32"), 1063), L"\uBC1D\uAE30") << "the pages follow";
    Command(kGamingPage);
    EXPECT_EQ(ItemText(PageWith(main_, 1065, L"Static"), 1065), L"\uAC8C\uC784 \uBAA8\uB4DC");
    Exit();
    wchar_t kept[32] = {};
    GetPrivateProfileStringW(L"Language", L"Default", L"", kept, 32, (folder_ + L"lan\\Orvik.ini").c_str());
    EXPECT_STREQ(kept, L"Korean");
}
}  // namespace
