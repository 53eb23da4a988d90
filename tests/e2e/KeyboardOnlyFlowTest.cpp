// The real program worked with the keyboard alone once its window shows:
// Tab into the keyboard page, the arrows to A, Enter opens its assignment,
// the kind is chosen with the arrows, Enter is captured and Enter on Save
// keeps it; then Ctrl+Tab goes through the pages and Space turns the
// backlight switch.
#include <gtest/gtest.h>

#include <windows.h>

#include "e2e/support/ProgramWindows.h"
#include "e2e/support/UserHands.h"
#include "e2e/support/WindowFlowFixture.h"

using namespace std::chrono_literals;

namespace {
class KeyboardOnlyFlow : public WindowFlowFixture {
protected:
    HWND Focus() const { return FocusIn(main_); }
    // Presses `keys` and waits for the focus to land on control `id`.
    bool PressTo(const std::string& keys, int id) const {
        return PressKeys(keys) && WaitFor([&] { return GetDlgCtrlID(Focus()) == id; }, 5s);
    }
    HWND main_ = nullptr;
};

TEST_F(KeyboardOnlyFlow, TabArrowsEnterAssignEnterToAThenCtrlTabAndSpaceTurnTheBacklightOff) {
    constexpr int esc = 1001, tilde = 1038, tab = 1049, caps = 1053, a = 1054, kindList = 1001, save = 1071,
                  capture = 1053, backlightSwitch = 1054;
    main_ = Start(DefaultProfiles());
    ASSERT_NE(main_, nullptr);
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == main_; }, 5s)) << "the shown window is in front";
    HWND keyboardPage = PageWith(main_, 1113);  // Keypad Enter: no other page has the id

    for (int i = 0; i < 40 && GetParent(Focus()) != keyboardPage; ++i) {
        const HWND before = Focus();
        ASSERT_TRUE(PressKeys("Tab"));
        ASSERT_TRUE(WaitFor([&] { return Focus() != before; }, 5s)) << "Tab moves the focus, step " << i;
    }
    ASSERT_EQ(GetParent(Focus()), keyboardPage) << "Tab reaches the keys";
    EXPECT_EQ(GetDlgCtrlID(Focus()), esc) << "one stop, Esc at first";
    ASSERT_TRUE(PressTo("Down", tilde));
    ASSERT_TRUE(PressTo("Down", tab));
    ASSERT_TRUE(PressTo("Down", caps));
    ASSERT_TRUE(PressTo("Right", a));

    ASSERT_TRUE(PressTo("Return", kindList)) << "Enter on A opens its assignment on the kind list";
    HWND dialog = GetAncestor(Focus(), GA_ROOT);
    ASSERT_TRUE(GetDlgItem(dialog, save));
    ASSERT_TRUE(PressKeys("Return"));
    HWND dropDown = OpenDropDown(main_, 5s);
    ASSERT_TRUE(dropDown && PressKeys("Down")) << "Enter opens the kind list";
    ASSERT_TRUE(WaitFor([&] { return SendMessageW(GetWindow(dropDown, GW_CHILD), LB_GETCURSEL, 0, 0) == 1; }, 5s));
    EXPECT_TRUE(IsWindowVisible(dropDown)) << "the arrow moves without choosing";
    ASSERT_TRUE(PressTo("Return", kindList)) << "Enter chooses Keyboard, the focus back on the list's button";
    EXPECT_FALSE(IsWindowVisible(dropDown));

    ASSERT_TRUE(PressTo("Tab", capture));
    ASSERT_TRUE(PressTo("Return", save)) << "the capture takes Enter and ends when it comes up";
    watch_.Mark();
    ASSERT_TRUE(PressTo("Return", a)) << "Enter on Save; the focus back on A";
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 5s));
    watch_.WaitUntil([](const KeyboardLog& l) { return UploadsBetween(l, 0, l.size()) >= 1; }, 5000);
    EXPECT_EQ(watch_.State().table[0x04], 1) << "the keyboard hands A to the program";

    HWND backlight = PageWith(main_, 1005, L"msctls_trackbar32");
    ASSERT_TRUE(PressKeys("ctrl+Tab"));
    ASSERT_TRUE(PressTo("ctrl+Tab", backlightSwitch)) << "keyboard, macro, backlight: the focus in the page";
    EXPECT_TRUE(IsWindowVisible(backlight));
    watch_.Mark();
    ASSERT_TRUE(PressKeys("space"));
    watch_.WaitUntilTaken(9, 0);
    EXPECT_EQ(watch_.State().backlight, 0) << "Space turns the backlight off";
    ASSERT_TRUE(PressKeys("ctrl+shift+Tab"));
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(backlight); }, 5s)) << "back to the macro page";

    CDocProfileSet saved = ExitAndRead();
    ASSERT_NE(saved.Find(u"Profile1"), nullptr);
    const CKeyAction& assigned = saved.Find(u"Profile1")->keys[0x41];
    EXPECT_EQ(assigned.kind, kKindKeyboard);
    EXPECT_EQ(assigned.keyboardInputs[0].Vk(), 0x0D);
    EXPECT_EQ(assigned.keyboardInputs[1].Vk(), 0x0D);
    EXPECT_EQ(assigned.keyboardInputs[1].KeyFlags(), kKeyEventKeyUp);
}
}  // namespace
