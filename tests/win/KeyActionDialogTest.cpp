// The key assignment dialog run modally in this process, driven from a
// thread timer inside its own message loop: what it shows for a stored
// action and what Save, Cancel and stray commands do with it.
#include <gtest/gtest.h>

#include <functional>

#include "macro/DocMacroSet.h"
#include "pages/DlgKeyAction.h"
#include "platform/win32/Win32KeyNames.h"
#include "win/support/AppProcess.h"
#include "win/support/DistFolder.h"
#include "win/support/GdiplusSession.h"
#include "win/support/MessagePump.h"
#include "win/support/SkinnedEdit.h"

using namespace std::chrono_literals;

namespace {
constexpr int kKindList = 1001, kSave = 1071, kClose = 8;

std::function<void()> script;
void CALLBACK RunScript(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    script();
}

// The choice list button `id` of the dialog, or of its sub-page holding
// control `childWith`.
CBtnListBox& Choice(HWND dialog, int id, int childWith = 0) {
    HWND parent = childWith ? PageWith(dialog, childWith) : dialog;
    return *dynamic_cast<CBtnListBox*>(CWnd::FromHandle(GetDlgItem(parent, id)));
}

// What a user's pick does: the row, then the list's notification.
void Pick(CBtnListBox& list, int row) {
    list.SelectItem(row);
    SendMessageW(list.Parent(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list.GetSafeHwnd()), CBtnListBox::kSelChange),
                 reinterpret_cast<LPARAM>(list.GetSafeHwnd()));
}

void Command(HWND dialog, int id) { SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

HWND EditOf(HWND page, int id) { return EditIn(GetDlgItem(page, id)); }

std::wstring TextOf(HWND window) {
    wchar_t text[128] = {};
    GetWindowTextW(window, text, 128);
    return text;
}

class KeyActionDialog : public ::testing::Test {
protected:
    void SetUp() override { EnsureGdiplus(); }
    // Runs the dialog on `action`; `steps` runs inside its loop with the
    // dialog's window and must end it.
    INT_PTR Run(CKeyAction& action, const std::function<void(HWND)>& steps) {
        CDlgKeyAction dialog(nullptr, macros, keyNames);
        dialog.Working() = action;
        script = [&] { steps(dialog.GetSafeHwnd()); };
        SetTimer(nullptr, 0, 50, RunScript);
        const INT_PTR result = dialog.DoModal();
        if (result == IDOK) action = dialog.Working();
        return result;
    }
    CDocMacroSet WithMacros(std::initializer_list<const char16_t*> names) {
        CDocMacroSet set;
        for (const char16_t* n : names) {
            CDocMacro m;
            m.name = n;
            set.Insert(m);
        }
        return set;
    }

    InDistFolder inDist;
    CDocMacroSet macros = WithMacros({u"abc", u"abcd"});
    Win32KeyNames keyNames;
};

TEST_F(KeyActionDialog, MacroPageShowsTheExactMacroAndKeepsAStoredNameNoMacroHasAnyMore) {
    const struct {
        const char* name;
        const char16_t* stored;
        const wchar_t* shown;
    } cases[] = {{"exact among prefixes", u"abc", L"abc"}, {"prefix of another", u"ab", L""}, {"gone", u"zz", L""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CKeyAction action(u"A", 0x04, 0);
        action.kind = kKindMacro;
        action.macroName = c.stored;
        action.playCount = 7;
        std::wstring shown;
        bool countShown = true;
        const INT_PTR result = Run(action, [&](HWND dialog) {
            shown = TextOf(Choice(dialog, 1017, 1017).GetSafeHwnd());
            countShown = IsWindowVisible(EditOf(PageWith(dialog, 1015), 1015));
            Command(dialog, kSave);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(shown, c.shown);
        EXPECT_FALSE(countShown) << "play once hides the play count";
        EXPECT_EQ(action.macroName, c.stored) << "saving without a pick keeps the key's macro";
        EXPECT_EQ(action.playCount, 7u);
    }
}

TEST_F(KeyActionDialog, PlayMultipleTimesShowsThePlayCountAndSaveReadsIt) {
    CKeyAction action(u"A", 0x04, 0);
    action.kind = kKindMacro;
    const INT_PTR result = Run(action, [&](HWND dialog) {
        HWND page = PageWith(dialog, 1015);
        Pick(Choice(dialog, 1017, 1017), 1);
        Pick(Choice(dialog, 1046, 1046), 1);
        EXPECT_TRUE(IsWindowVisible(EditOf(page, 1015)));
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(page, 1078)));
        EXPECT_EQ(TextOf(EditOf(page, 1015)), L"2");
        SetWindowTextW(EditOf(page, 1015), L" 5 times");
        Command(dialog, kSave);
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(action.macroName, u"abcd");
    EXPECT_EQ(action.playMode, kPlayMultiTimes);
    EXPECT_EQ(action.playCount, 5u);
}

TEST_F(KeyActionDialog, OnlySaveEndsWithOkAndAKindOutsideTheListSelectsNothing) {
    CKeyAction action(u"A", 0x04, 0);
    action.kind = 9;
    std::wstring kindShown = L"?";
    bool anyPageShown = true, openAfterIdOk = false;
    INT_PTR result = Run(action, [&](HWND dialog) {
        kindShown = TextOf(GetDlgItem(dialog, kKindList));
        anyPageShown = false;
        // The sub-pages are the dialog's only child dialogs.
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            wchar_t cls[8] = {};
            GetClassNameW(child, cls, 8);
            anyPageShown |= std::wstring(cls) == L"#32770" && IsWindowVisible(child);
        }
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
        PumpFor(50ms);
        openAfterIdOk = IsWindowVisible(dialog);
        Command(dialog, kSave);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(kindShown, L"");
    EXPECT_FALSE(anyPageShown);
    EXPECT_TRUE(openAfterIdOk) << "an IDOK that is not Save leaves the dialog open";
    EXPECT_EQ(action.kind, 9u) << "Save keeps the unknown kind";

    for (const bool escape : {true, false}) {
        CKeyAction untouched(u"A", 0x04, 0);
        result = Run(untouched, [&](HWND dialog) {
            Pick(Choice(dialog, kKindList), kKindDisable);
            if (escape) {
                PostMessageW(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
            } else {
                Command(dialog, kClose);
            }
        });
        EXPECT_EQ(result, IDCANCEL) << (escape ? "Escape" : "the close button");
        EXPECT_EQ(untouched.kind, kKindDefault);
    }
}

TEST_F(KeyActionDialog, KeyCaptureKeepsTheLastPressAndTheLastRelease) {
    CKeyAction action(u"A", 0x04, 0);
    action.kind = kKindKeyboard;
    std::wstring shown;
    const INT_PTR result = Run(action, [&](HWND dialog) {
        HWND capture = EditOf(PageWith(dialog, 1053), 1053);
        SetFocus(capture);
        const struct {
            UINT msg;
            WPARAM vk;
            LPARAM data;
        } keys[] = {{WM_KEYDOWN, VK_SHIFT, 0x002A0001}, {WM_KEYDOWN, 'A', 0x001E0001},
                    {WM_KEYUP, 'A', static_cast<LPARAM>(0xC01E0001)}, {WM_KEYUP, VK_SHIFT, static_cast<LPARAM>(0xC02A0001)}};
        for (const auto& k : keys) PostMessageW(capture, k.msg, k.vk, k.data);
        PumpFor(100ms);
        shown = TextOf(capture);
        Command(dialog, kSave);
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_EQ(action.keyboardInputs[0], InputRecord::Keyboard('A', 0x1E, 0));
    EXPECT_EQ(action.keyboardInputs[1], InputRecord::Keyboard(VK_SHIFT, 0x2A, kKeyEventKeyUp));
    EXPECT_EQ(shown, L"Shift");
}

TEST_F(KeyActionDialog, LaunchPageEnablesTheEditOfTheStoredChoice) {
    CKeyAction action(u"A", 0x04, 0);
    action.kind = kKindLaunch;
    action.launchType = kLaunchWeb;
    action.webAddress = u"https://example.org/";
    action.programPath = u"C:\\Tools\\run.exe";
    bool pathEnabled = true, addressEnabled = false;
    const INT_PTR result = Run(action, [&](HWND dialog) {
        HWND page = PageWith(dialog, 1050);
        pathEnabled = IsWindowEnabled(EditOf(page, 1050));
        addressEnabled = IsWindowEnabled(EditOf(page, 1016));
        SendMessageW(GetDlgItem(page, 1048), BM_CLICK, 0, 0);
        EXPECT_TRUE(IsWindowEnabled(EditOf(page, 1050))) << "a click on the program button";
        EXPECT_FALSE(IsWindowEnabled(EditOf(page, 1016)));
        Command(dialog, kSave);
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_FALSE(pathEnabled);
    EXPECT_TRUE(addressEnabled);
    EXPECT_EQ(action.launchType, kLaunchProgram);
    EXPECT_EQ(action.programPath, u"C:\\Tools\\run.exe");
    EXPECT_EQ(action.webAddress, u"https://example.org/");
}
}  // namespace
