// The real program worked with the keyboard alone once its window shows:
// Tab into the keyboard page, the arrows to a key, Enter opens its
// assignment, the kind is chosen with the arrows, a key is captured and
// Enter on Save keeps it; Ctrl+Tab goes through the pages and Space turns
// the backlight switch.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "device/KeyboardCommands.h"
#include "e2e/support/ProgramWindows.h"
#include "e2e/support/UserHands.h"
#include "e2e/support/WindowFlowFixture.h"

using namespace std::chrono_literals;

namespace {

constexpr int kEscId = 1001, kTildeId = 1038, kTabId = 1049, kCapsId = 1053, kAId = 1054;
constexpr int kKindListId = 1001, kSaveId = 1071, kCaptureId = 1053, kBacklightSwitchId = 1054;

class KeyboardOnlyFlow : public WindowFlowFixture {
protected:
    // The window with the keyboard focus in the program's thread.
    static HWND Focus(HWND main) {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        return GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info) ? info.hwndFocus : nullptr;
    }
    // Presses `keys` and waits for the focus to land on control `id`.
    static bool PressTo(HWND main, const std::string& keys, int id) {
        return PressKeys(keys) && WaitFor([&] { return GetDlgCtrlID(Focus(main)) == id; }, 5s);
    }
    static bool IsKeyOfPage(HWND window) {
        return GetParent(window) && GetDlgItem(GetParent(window), kAId) && GetDlgItem(GetParent(window), kCapsId);
    }
};

TEST_F(KeyboardOnlyFlow, TabArrowsAndEnterAssignEnterToA) {
    HWND main = Start(DefaultProfiles());
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == main; }, 5s)) << "the shown window is in front";

    // Tab until the focus is on the keys: they are one stop, Esc first.
    for (int i = 0; i < 40 && !IsKeyOfPage(Focus(main)); ++i) {
        const HWND before = Focus(main);
        ASSERT_TRUE(PressKeys("Tab"));
        ASSERT_TRUE(WaitFor([&] { return Focus(main) != before; }, 5s)) << "Tab moves the focus, step " << i;
    }
    HWND key = Focus(main);
    ASSERT_TRUE(IsKeyOfPage(key)) << "Tab reaches the keyboard page";
    EXPECT_EQ(GetDlgCtrlID(key), kEscId) << "the keys' stop is Esc at first";

    ASSERT_TRUE(PressTo(main, "Down", kTildeId));
    ASSERT_TRUE(PressTo(main, "Down", kTabId));
    ASSERT_TRUE(PressTo(main, "Down", kCapsId)) << "Esc, ~, Tab, Caps Lock down the picture";
    ASSERT_TRUE(PressTo(main, "Right", kAId)) << "and A to the right";

    ASSERT_TRUE(PressKeys("Return"));
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitFor(
        [&] {
            dialog = GetAncestor(Focus(main), GA_ROOT);
            return dialog && dialog != main && GetDlgItem(dialog, kSaveId);
        },
        5s))
        << "Enter on A opens its key assignment";
    ASSERT_EQ(GetDlgCtrlID(Focus(main)), kKindListId) << "the focus starts on the kind list";

    // The drop-down opens on Enter; Down moves to Keyboard, Enter chooses it.
    ASSERT_TRUE(PressKeys("Return"));
    HWND dropDown = OpenDropDown(main, 5s);
    ASSERT_NE(dropDown, nullptr) << "Enter opens the kind list";
    ASSERT_TRUE(PressKeys("Down"));
    ASSERT_TRUE(WaitFor([&] { return SendMessageW(GetWindow(dropDown, GW_CHILD), LB_GETCURSEL, 0, 0) == 1; }, 5s));
    EXPECT_TRUE(IsWindowVisible(dropDown)) << "the arrow moves without choosing";
    ASSERT_TRUE(PressKeys("Return"));
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(dropDown); }, 5s)) << "Enter chooses and closes";
    ASSERT_EQ(GetDlgCtrlID(Focus(main)), kKindListId) << "the focus is back on the kind list";

    // Tab into the capture; it takes Enter, and Enter's release moves on to Save.
    ASSERT_TRUE(PressTo(main, "Tab", kCaptureId));
    ASSERT_TRUE(PressTo(main, "Return", kSaveId)) << "the capture ends when its key comes up";
    watch_.Mark();
    ASSERT_TRUE(PressKeys("Return"));
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5s)) << "Enter on Save ends the dialog";
    const KeyboardLog log =
        watch_.WaitUntil([](const KeyboardLog& l) { return UploadsBetween(l, 0, l.size()) >= 1; }, 5000);
    EXPECT_EQ(UploadsBetween(log, 0, log.size()), 1u);
    EXPECT_EQ(watch_.State().table[0x04], 1) << "the keyboard hands A to the program";
    EXPECT_EQ(GetDlgCtrlID(Focus(main)), kAId) << "the focus is back on A";

    CDocProfileSet saved = ExitAndRead();
    const CKeyAction& a = saved.Find(u"Profile1")->keys[0x41];
    EXPECT_EQ(a.kind, kKindKeyboard);
    EXPECT_EQ(a.keyboardInputs[0].Vk(), 0x0D);
    EXPECT_EQ(a.keyboardInputs[1].Vk(), 0x0D);
    EXPECT_EQ(a.keyboardInputs[1].KeyFlags(), kKeyEventKeyUp);
}

TEST_F(KeyboardOnlyFlow, CtrlTabGoesThroughThePagesAndSpaceTurnsTheBacklightSwitch) {
    HWND main = Start(DefaultProfiles());
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == main; }, 5s)) << "the shown window is in front";
    HWND backlight = PageWith(main, 1005, L"msctls_trackbar32");
    ASSERT_NE(backlight, nullptr);

    ASSERT_TRUE(PressKeys("ctrl+Tab"));
    ASSERT_TRUE(PressKeys("ctrl+Tab"));
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(backlight) != 0; }, 5s)) << "keyboard, macro, backlight";
    EXPECT_EQ(Focus(main), GetDlgItem(backlight, kBacklightSwitchId)) << "the focus goes to the page's first control";

    watch_.Mark();
    ASSERT_TRUE(PressKeys("space"));
    EXPECT_NE(FindCommand(watch_.WaitUntilTaken(9, 0), 9, 0), kNotFound) << "Space turns the backlight off";
    EXPECT_EQ(watch_.State().backlight, 0);

    ASSERT_TRUE(PressKeys("ctrl+shift+Tab"));
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(backlight); }, 5s)) << "back to the macro page";
    ASSERT_TRUE(PressKeys("ctrl+Tab"));
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(backlight) != 0; }, 5s));
    watch_.Mark();
    ASSERT_TRUE(PressKeys("space"));
    EXPECT_NE(FindCommand(watch_.WaitUntilTaken(9, 1), 9, 1), kNotFound) << "and on again";
    EXPECT_EQ(watch_.State().backlight, 1);
}
}  // namespace
