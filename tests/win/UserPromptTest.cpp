#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "framework/Win32UserPrompt.h"

namespace {
// Waits for the message box of this program, notes its text and icon, and
// presses one of its buttons, as a user would.
class Answerer {
public:
    explicit Answerer(int button)
        : thread_([this, button] {
              for (int i = 0; i < 500 && !box_; ++i) {
                  Sleep(10);
                  box_ = FindWindowW(L"#32770", L"win_tests");
              }
              if (!box_) return;
              wchar_t text[256] = {};
              GetDlgItemTextW(box_, 0xFFFF, text, 256);  // the message's static
              text_ = text;
              hasYes_ = GetDlgItem(box_, IDYES) != nullptr;
              PostMessageW(GetDlgItem(box_, button), BM_CLICK, 0, 0);
          }) {}
    ~Answerer() { Finish(); }
    std::wstring Text() {
        Finish();
        return text_;
    }
    bool HadYes() {
        Finish();
        return hasYes_;
    }

private:
    void Finish() {
        if (thread_.joinable()) thread_.join();
    }

    std::atomic<HWND> box_ = nullptr;
    std::wstring text_;
    bool hasYes_ = false;
    std::thread thread_;
};
}  // namespace

TEST(Win32UserPrompt, WarningShowsTheTextWithOkOnly) {
    Win32UserPrompt prompt;
    Answerer user(IDOK);
    prompt.Warn(u"C:\\data\\qorn.pfs was not found.");
    EXPECT_EQ(user.Text(), L"C:\\data\\qorn.pfs was not found.");
    EXPECT_FALSE(user.HadYes());
}

TEST(Win32UserPrompt, QuestionReportsTheAnswer) {
    Win32UserPrompt prompt;
    {
        Answerer user(IDYES);
        EXPECT_TRUE(prompt.AskYesNo(u"Are you sure to save 'Profile1'?"));
        EXPECT_TRUE(user.HadYes());
    }
    Answerer user(IDNO);
    EXPECT_FALSE(prompt.AskYesNo(u"'Profile1' is existed, are you sure to replace it?"));
}
