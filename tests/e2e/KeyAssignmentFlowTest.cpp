// The keyboard page as a user works it on the real program, with the mouse
// and the keys: a click on a key opens the key assignment dialog, a kind
// and its data are chosen, Save tells the keyboard, and the key then acts
// when the simulated keyboard presses it. Also Cancel, Fn + digit while the
// dialog is open, the key hint, and screenshots of every sub-page.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "e2e/support/ProgramWindows.h"
#include "e2e/support/UserHands.h"
#include "e2e/support/WindowFlowFixture.h"
#include "win/support/Capture.h"
#include "win/support/GdiplusSession.h"
#include "win/support/KeyboardHookRecorder.h"
#include "win/support/SkinnedEdit.h"
#include "e2e/support/MainWindowPlaces.h"

using namespace std::chrono_literals;

namespace {

// The keyboard page sits at 282,160 in the main window; keys are centred.
constexpr POINT kKeyA = KeyAt(129, 153);
constexpr POINT kKeyD = KeyAt(189, 153);
constexpr POINT kNoKey{400, 470};
constexpr POINT kChinese{806, 60};
constexpr POINT kEnglish{806, 31};
// In the dialog; sub-pages sit at 10,90 in it.
constexpr POINT kKindList{225, 41};
constexpr POINT kCancel{331, 268};
constexpr POINT kCaptureField{10 + 192, 90 + 58};
constexpr POINT kShortcutList{10 + 190, 90 + 55};

std::wstring TextOf(HWND window, int id) {
    wchar_t text[128] = {};
    GetDlgItemTextW(window, id, text, 128);
    return text;
}

// Waits until what the window shows has stayed the same for a second
// (the program has painted); false when it still changed at `timeout`.
bool Settled(HWND window, std::chrono::milliseconds timeout) {
    RECT r{};
    GetWindowRect(window, &r);
    Capture last = CaptureScreen(r);
    int same = 0;
    return WaitFor(
        [&] {
            Sleep(250);
            Capture now = CaptureScreen(r);
            same = now.pixels == last.pixels ? same + 1 : 0;
            last = std::move(now);
            return same >= 4;
        },
        timeout);
}

void Screenshot(HWND window, const std::wstring& name) {
    EnsureGdiplus();
    EXPECT_TRUE(NudgePointer());
    for (int i = 0; i < 5; ++i) {
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer);
        Sleep(100);
    }
    EXPECT_TRUE(Settled(window, 5s));
    RECT r{};
    GetWindowRect(window, &r);
    EXPECT_TRUE(SavePng(CaptureScreen(r), TestProgramFolder() + L"screenshots\\" + name + L".png")) << "screenshot";
}

class KeyAssignmentFlow : public WindowFlowFixture {
protected:
    // Clicks a key of the page; the key assignment dialog that opens.
    HWND OpenDialog(HWND main, POINT key) {
        EXPECT_TRUE(ClickAt(main, key.x, key.y));
        return OwnedWindowWith(main, kSaveId, 5s);
    }
    // Opens the choice list at `list` in `window` and picks row `row`;
    // returns once the drop-down has closed.
    void Choose(HWND main, HWND window, POINT list, int row) {
        Click(window, list);
        HWND dropDown = OpenDropDown(main, 5s);
        ASSERT_NE(dropDown, nullptr) << "the choice list opens";
        ASSERT_TRUE(PickRow(dropDown, row));
        ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(dropDown); }, 5s)) << "and closes on the pick";
    }
    void SaveAndWaitForUpload(HWND dialog) {
        watch_.Mark();
        Click(dialog, kSave);
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5s)) << "Save ends the dialog";
        const KeyboardLog log =
            watch_.WaitUntil([](const KeyboardLog& l) { return UploadsBetween(l, 0, l.size()) >= 1; }, 5000);
        EXPECT_EQ(UploadsBetween(log, 0, log.size()), 1u) << "one interception upload for the key";
    }
};

TEST_F(KeyAssignmentFlow, KeyboardShortcutAndDisableAreAssignedAndActOnTheKeyboardsKeys) {
    HWND main = Start(DefaultProfiles());
    ASSERT_NE(main, nullptr);

    HWND dialog = OpenDialog(main, kKeyA);
    ASSERT_NE(dialog, nullptr) << "a click on A opens the key assignment dialog";
    EXPECT_EQ(TextOf(dialog, 1039), L"A");
    EXPECT_FALSE(IsWindowEnabled(main)) << "over a disabled main window";
    Choose(main, dialog, kKindList, 1);  // Keyboard
    Click(dialog, kCaptureField);
    ASSERT_TRUE(PressKeys("Return"));
    HWND capture = EditIn(GetDlgItem(PageWith(dialog, 1053), 1053));
    wchar_t named[32] = {};
    EXPECT_TRUE(WaitFor([&] { return SendMessageW(capture, WM_GETTEXT, 32, reinterpret_cast<LPARAM>(named)) > 0; }, 2s))
        << "the field names the key pressed";
    SaveAndWaitForUpload(dialog);
    EXPECT_EQ(watch_.State().table[0x04], 1) << "the keyboard now hands A to the program";

    dialog = OpenDialog(main, kKeyS);
    ASSERT_NE(dialog, nullptr);
    Choose(main, dialog, kKindList, 4);      // Windows Shortcuts
    Choose(main, dialog, kShortcutList, 4);  // Copy: Ctrl+C
    SaveAndWaitForUpload(dialog);

    dialog = OpenDialog(main, kKeyD);
    ASSERT_NE(dialog, nullptr);
    Choose(main, dialog, kKindList, 7);  // Disable
    SaveAndWaitForUpload(dialog);
    EXPECT_EQ(watch_.State().table[0x07], 1) << "D is intercepted";

    // D first: had it sent anything, that would arrive before A's Enter.
    // Each key acts on a thread of its own, so S waits for A's records.
    KeyboardHookRecorder hook;
    for (uint8_t code : {0x07, 0x04}) {
        watch_.Hold({code});
        watch_.Hold({});
    }
    ASSERT_EQ(hook.WaitFor(2, 5s).size(), 2u);
    watch_.Hold({0x16});
    watch_.Hold({});
    const auto keys = hook.WaitFor(6, 5s);
    const struct {
        DWORD vk;
        bool up;
    } expected[] = {{0x0D, false}, {0x0D, true}, {0x11, false}, {0x43, false}, {0x43, true}, {0x11, true}};
    ASSERT_EQ(keys.size(), std::size(expected));
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(keys[i].vk, expected[i].vk) << i;
        EXPECT_EQ((keys[i].flags & LLKHF_UP) != 0, expected[i].up) << i;
    }
    Sleep(300);
    EXPECT_EQ(hook.WaitFor(7, 0ms).size(), 6u) << "nothing more arrives";

    CDocProfileSet saved = ExitAndRead();
    const CDocProfile& profile = *saved.Find(u"Profile1");
    const CKeyAction& a = profile.keys[0x41];
    EXPECT_EQ(a.kind, kKindKeyboard);
    EXPECT_EQ(a.keyboardInputs[0].Vk(), 0x0D);
    EXPECT_EQ(a.keyboardInputs[0].KeyFlags(), 0u);
    EXPECT_EQ(a.keyboardInputs[1].Vk(), 0x0D);
    EXPECT_EQ(a.keyboardInputs[1].KeyFlags(), kKeyEventKeyUp);
    EXPECT_EQ(profile.keys[0x53].kind, kKindShortcut);
    EXPECT_EQ(profile.keys[0x53].shortcutCount, 4u);
    EXPECT_EQ(profile.keys[0x44].kind, kKindDisable);
}

TEST_F(KeyAssignmentFlow, CancelAfterSwitchingKindsChangesNothingAndFnDigitWaitsForTheDialog) {
    CDocProfileSet profiles = DefaultProfiles();
    profiles.AddDefaultProfile(u"Racing");
    profiles.Find(u"Racing")->accelerator = 3;
    profiles.Find(u"Racing")->brightnessLevel = 20;
    HWND main = Start(std::move(profiles));
    ASSERT_NE(main, nullptr);

    HWND dialog = OpenDialog(main, kKeyA);
    ASSERT_NE(dialog, nullptr);
    Choose(main, dialog, kKindList, 2);  // Mouse
    Choose(main, dialog, kKindList, 7);  // Disable
    FnChord(0x20);  // Fn + 3
    Sleep(1000);
    EXPECT_EQ(FindCommand(watch_.WaitUntil([](const KeyboardLog&) { return false; }, 0), 11, 255), kNotFound)
        << "no profile change while the dialog is open";
    Click(dialog, kCancel);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5s)) << "Cancel ends the dialog";
    KeyboardLog log = watch_.WaitUntil([](const KeyboardLog&) { return false; }, 300);
    EXPECT_EQ(UploadsBetween(log, 0, log.size()), 0u) << "Cancel sends nothing";
    EXPECT_EQ(watch_.State().table[0x04], 0);

    // Unmodified, the profile is left without a question.
    FnChord(0x20);
    log = watch_.WaitUntilTaken(11, 255, 10000);
    EXPECT_NE(FindCommand(log, 11, 255), kNotFound) << "Fn + 3 works again once the dialog is gone";
    EXPECT_TRUE(run_.Answered().empty());
    EXPECT_EQ(WaitForMessageBox(0ms), nullptr) << "no save question";

    CDocProfileSet saved = ExitAndRead();
    EXPECT_EQ(saved.Find(u"Profile1")->keys[0x41].kind, kKindDefault);
    EXPECT_EQ(saved.currentName, u"Racing");
}

TEST_F(KeyAssignmentFlow, HintNamesTheKeyAndItsKindAndFollowsAnAssignment) {
    HWND main = Start(DefaultProfiles());
    ASSERT_NE(main, nullptr);
    // The first paint of the window keeps the program busy for a while
    // (about 2 s here), so the first hint may wait for it.
    ASSERT_TRUE(MoveTo(main, kKeyS.x, kKeyS.y));
    HWND hint = OwnedWindowWith(main, kHintKindId, 10s);
    ASSERT_NE(hint, nullptr) << "a hint shows for the key under the pointer";
    EXPECT_TRUE(WaitFor([&] { return TextOf(hint, 1039) == L"S"; }, 1s));

    ASSERT_TRUE(MoveTo(main, kKeyA.x, kKeyA.y));
    const DWORD moved = GetTickCount();
    ASSERT_TRUE(WaitFor([&] { return TextOf(hint, 1039) == L"A"; }, 2s)) << "the hint follows to the next key";
    EXPECT_LE(GetTickCount() - moved, 300u + 300u) << "by the next tick of 300 ms (and the test's polling)";
    EXPECT_TRUE(IsWindowVisible(hint));
    EXPECT_EQ(TextOf(hint, kHintKindId), L"Default");
    RECT h{}, k{}, m{};
    GetWindowRect(hint, &h);
    GetWindowRect(main, &m);
    k = {m.left + kKeyA.x - 15, m.top + kKeyA.y - 15, m.left + kKeyA.x + 15, m.top + kKeyA.y + 16};
    EXPECT_EQ(h.bottom, k.top + 2) << "above the key, overlapping it by 2 pixels";
    EXPECT_EQ(h.left + (h.right - h.left) / 2, k.left + 15) << "centred on it";

    HWND dialog = OpenDialog(main, kKeyA);
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsWindowVisible(hint)) << "the hint hides for the dialog";
    Choose(main, dialog, kKindList, 7);
    Click(dialog, kSave);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5s));
    ASSERT_TRUE(MoveTo(main, kKeyA.x, kKeyA.y));
    Sleep(700);
    EXPECT_FALSE(IsWindowVisible(hint)) << "not again over the key just clicked";
    ASSERT_TRUE(MoveTo(main, kNoKey.x, kNoKey.y));
    Sleep(700);
    ASSERT_TRUE(MoveTo(main, kKeyA.x, kKeyA.y));
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(hint) != 0; }, 1s)) << "back on the key";
    EXPECT_EQ(TextOf(hint, kHintKindId), L"Disable") << "with the new kind";
}

// Every sub-page in English and in Chinese, for review.
TEST_F(KeyAssignmentFlow, ScreenshotsOfTheDialogOnEverySubPage) {
    HWND main = Start(DefaultProfiles());
    ASSERT_NE(main, nullptr);
    for (const auto& [language, button] : {std::pair{L"English", kEnglish}, std::pair{L"Chinese", kChinese}}) {
        Click(main, button);
        // Off every key for a tick first: the key clicked last stays
        // remembered, and the hint would not show for it again.
        ASSERT_TRUE(MoveTo(main, kNoKey.x, kNoKey.y));
        Sleep(700);
        ASSERT_TRUE(MoveTo(main, kKeyS.x, kKeyS.y));
        HWND hint = OwnedWindowWith(main, kHintKindId, 10s);
        ASSERT_NE(hint, nullptr);
        Screenshot(hint, std::wstring(L"KeyHint_") + language);
        Screenshot(main, std::wstring(L"KeyboardPage_") + language);
        HWND dialog = OpenDialog(main, kKeyS);
        ASSERT_NE(dialog, nullptr);
        for (int kind = 1; kind <= 6; ++kind) {
            Choose(main, dialog, kKindList, kind);
            Screenshot(dialog, std::wstring(L"KeyAction_") + language + L"_" + std::to_wstring(kind));
        }
        Click(dialog, kCancel);
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5s));
    }
}

}  // namespace
