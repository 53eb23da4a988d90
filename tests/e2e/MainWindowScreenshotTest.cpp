// Screenshots of the real program's main window on each of its four pages in
// each language, for review and for the README (./screenshots). The window
// is driven with the mouse: a language button, then a page button. Then the
// focus mark where the keyboard alone put it.
#include <gtest/gtest.h>

#include "e2e/support/ProgramFixture.h"
#include "e2e/support/ProgramWindows.h"
#include "e2e/support/UserHands.h"
#include "macro/DocMacroSet.h"
#include "win/support/Capture.h"

using namespace std::chrono_literals;

namespace {
// A recorded macro for the macro page to show: Ctrl+C held 300 ms, then V.
CDocMacroSet CopyAndPaste() {
    CDocMacroSet macros;
    CDocMacro copyPaste;
    copyPaste.name = u"Copy and paste";
    copyPaste.events = {MacroEvent::Key(0xA2, 0x1D, 0, 0), MacroEvent::Key(0x43, 0x2E, 0, 120),
                        MacroEvent::Key(0x43, 0x2E, kKeyEventKeyUp, 300), MacroEvent::Key(0x56, 0x2F, 0, 80),
                        MacroEvent::Key(0x56, 0x2F, kKeyEventKeyUp, 0), MacroEvent::Key(0xA2, 0x1D, kKeyEventKeyUp, 50)};
    macros.Insert(copyPaste);
    macros.currentName = copyPaste.name;
    return macros;
}

class MainWindowScreenshots : public ProgramFixture {
protected:
    // The program with that macro, its window shown; null when it did not show.
    HWND StartShown() {
        CDocMacroSet macros = CopyAndPaste();
        run_.WriteMacros(macros);
        StartWith(DefaultProfiles(), ProfileApplied);
        HWND main = WaitForMainWindow(std::chrono::milliseconds(kProgramTimeoutMs));
        return main && ShowFromTray(main) ? main : nullptr;
    }
};

TEST_F(MainWindowScreenshots, EveryPageInEveryLanguage) {
    HWND main = StartShown();
    ASSERT_NE(main, nullptr);
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
        int control;  // a control of that page alone (with its class), 0 for none
        const wchar_t* controlClass;
    } pages[] = {{L"keyboard", {109, 113}, 0, nullptr},
                 {L"macro", {241, 113}, 1008, nullptr},
                 {L"backlight", {376, 113}, 1005, L"msctls_trackbar32"},
                 {L"gaming", {509, 113}, 1007, nullptr}};
    for (const auto& language : languages) {
        ASSERT_TRUE(ClickAt(main, language.button.x, language.button.y));
        wchar_t title[64] = {};
        EXPECT_TRUE(WaitFor([&] { return GetWindowTextW(main, title, 64) && std::wstring(title) == language.title; }, 5s))
            << "the window speaks " << std::string(language.name, language.name + wcslen(language.name));
        for (const auto& page : pages) {
            // A click that lands while the window is still busy with the
            // one before is given again.
            const auto shown = [&] { return page.control == 0 || IsWindowVisible(PageWith(main, page.control, page.controlClass)); };
            for (int attempt = 0; attempt < 3; ++attempt) {
                ASSERT_TRUE(ClickAt(main, page.button.x, page.button.y));
                if (WaitFor(shown, 1s)) break;
            }
            EXPECT_TRUE(shown());
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

// Presses `keys` until the focus is in `control` (or is it); false when 30
// presses do not get it there.
bool PressUntilFocusIn(HWND main, const std::string& keys, HWND control) {
    const auto there = [&] {
        const HWND focus = FocusIn(main);
        return focus && (focus == control || IsChild(control, focus));
    };
    for (int i = 0; i < 30 && !there(); ++i) {
        const HWND before = FocusIn(main);
        if (!PressKeys(keys) || !WaitFor([&] { return FocusIn(main) != before; }, 5s)) return false;
    }
    return there();
}

// The control and the window around it, as the screen shows them.
bool SaveAround(HWND main, HWND control, const wchar_t* name) {
    Sleep(300);
    RECT r{}, window{};
    GetWindowRect(control, &r);
    GetWindowRect(main, &window);
    InflateRect(&r, 40, 40);
    IntersectRect(&r, &r, &window);
    return SavePng(CaptureScreen(r), TestProgramFolder() + L"screenshots\\Focus_" + name + L".png");
}

TEST_F(MainWindowScreenshots, FocusMarksWhereTheKeyboardPutThem) {
    HWND main = StartShown();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == main; }, 5s));
    ASSERT_TRUE(MoveTo(main, 640, 30)) << "no hover in the pictures";
    const HWND keyboardPage = PageWith(main, 1113);
    ASSERT_TRUE(WaitFor([&] { return GetParent(FocusIn(main)) == keyboardPage; }, 5s));

    const HWND esc = FocusIn(main);
    ASSERT_TRUE(PressKeys("Right") && WaitFor([&] { return FocusIn(main) != esc; }, 5s));
    EXPECT_TRUE(SaveAround(main, FocusIn(main), L"key"));
    const HWND newProfile = GetDlgItem(main, 1028);
    ASSERT_TRUE(PressUntilFocusIn(main, "shift+Tab", newProfile));
    EXPECT_TRUE(SaveAround(main, newProfile, L"profile_button"));
    const HWND backlight = GetDlgItem(PageWith(main, 1005, L"msctls_trackbar32"), 1054);
    ASSERT_TRUE(PressUntilFocusIn(main, "ctrl+Tab", backlight));
    EXPECT_TRUE(SaveAround(main, backlight, L"switch"));
    const HWND macroPage = PageWith(main, 1060, L"Static");  // its label "Macro"
    ASSERT_TRUE(PressUntilFocusIn(main, "ctrl+shift+Tab", macroPage));
    const HWND events = GetDlgItem(macroPage, 1014);
    ASSERT_TRUE(PressUntilFocusIn(main, "Tab", events));
    ASSERT_TRUE(PressKeys("Down"));
    EXPECT_TRUE(SaveAround(main, events, L"list"));
    EXPECT_TRUE(run_.Exit(kProgramTimeoutMs));
}
}  // namespace
