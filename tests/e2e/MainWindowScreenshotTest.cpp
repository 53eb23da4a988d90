// Screenshots of the real program's main window on each of its four pages in
// each language, for review and for the README (./screenshots). The window
// is driven with the mouse: a language button, then a page button.
#include <gtest/gtest.h>

#include "e2e/support/ProgramFixture.h"
#include "e2e/support/ProgramWindows.h"
#include "e2e/support/UserHands.h"
#include "win/support/Capture.h"

using namespace std::chrono_literals;

namespace {
using MainWindowScreenshots = ProgramFixture;

TEST_F(MainWindowScreenshots, EveryPageInEveryLanguage) {
    StartWith(DefaultProfiles(), ProfileApplied);
    HWND main = WaitForMainWindow(std::chrono::milliseconds(kProgramTimeoutMs));
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(ShowFromTray(main));
    const struct {
        const wchar_t* name;
        POINT button;
        const wchar_t* title;
    } languages[] = {
        {L"English", {806, 31}, L"Velmora Gaming Keyboard"},
        {L"Chinese", {806, 60}, L"Velmora \u6E38\u620F\u952E\u76D8"},
        {L"Korean", {806, 87}, L"Velmora \uAC8C\uC774\uBC0D \uD0A4\uBCF4\uB4DC"},
    };
    const struct {
        const wchar_t* name;
        POINT button;
    } pages[] = {{L"keyboard", {109, 113}}, {L"macro", {241, 113}}, {L"backlight", {376, 113}}, {L"gaming", {509, 113}}};
    for (const auto& language : languages) {
        ASSERT_TRUE(ClickAt(main, language.button.x, language.button.y));
        wchar_t title[64] = {};
        EXPECT_TRUE(WaitFor([&] { return GetWindowTextW(main, title, 64) && std::wstring(title) == language.title; }, 5s))
            << "the window speaks " << std::string(language.name, language.name + wcslen(language.name));
        for (const auto& page : pages) {
            ASSERT_TRUE(ClickAt(main, page.button.x, page.button.y));
            // Away from the controls, so no hover shows.
            ASSERT_TRUE(ClickAt(main, 640, 30));
            Sleep(300);
            EXPECT_TRUE(SavePng(CaptureClient(main), TestProgramFolder() + L"screenshots\\Main_" + language.name +
                                                         L"_" + page.name + L".png"));
        }
    }
    // The language the run started with, for the next runs of the suite.
    ASSERT_TRUE(ClickAt(main, languages[0].button.x, languages[0].button.y));
    EXPECT_TRUE(run_.Exit(kProgramTimeoutMs));
}
}  // namespace
