#include <gtest/gtest.h>

#include <tuple>

#include "win/support/Capture.h"
#include "win/support/Input.h"
#include "win/support/ListTestFixture.h"
#include "win/support/MessagePump.h"
#include "win/support/SkinTestDialog.h"
#include "win/support/TestIds.h"

using namespace std::chrono_literals;

namespace {
class BtnListBoxTest : public ListTest {
protected:
    void Open(std::initializer_list<const wchar_t*> rows) {
        MoveCursor(POINT{900, 700});
        dialog.Open();
        for (const wchar_t* text : rows) dialog.choice.AddItem(text);
    }
    HWND DropDown() { return GetParent(dialog.choice.List().GetSafeHwnd()); }
    RECT DropDownRect() {
        RECT r{};
        GetWindowRect(DropDown(), &r);
        return r;
    }
    void ClickButton() {
        Click(CentreOf(dialog.choice.GetSafeHwnd()));
        ASSERT_TRUE(PumpUntil([&] { return dialog.choice.IsDroppedDown(); }, 1000ms));
    }
    void ClickRow(int row) {
        RECT r{};
        dialog.choice.List().GetItemRect(row, &r);
        POINT p{r.left + 20, (r.top + r.bottom) / 2};
        ClientToScreen(dialog.choice.List().GetSafeHwnd(), &p);
        Click(p);
        PumpFor(120ms);
    }

    SkinTestDialog dialog;
};
}  // namespace

TEST_F(BtnListBoxTest, OpensTwoPixelsBelowTheButtonAsWideAsItAndClosesOnFocusLoss) {
    Open({L"Alpha", L"Beta", L"Gamma"});
    ASSERT_TRUE(DropDown());
    EXPECT_FALSE(IsWindowVisible(DropDown()));
    ClickButton();
    const RECT button = dialog.choice.WindowRect();
    const RECT r = DropDownRect();
    EXPECT_EQ(r.left, button.left);
    EXPECT_EQ(r.top, button.bottom + 2);
    EXPECT_EQ(r.right - r.left, button.right - button.left);
    EXPECT_EQ(r.bottom - r.top, 80);  // three rows are shorter than the minimum
    EXPECT_TRUE(GetWindowLongPtrW(DropDown(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(dialog.choice.IsEnabled()) << "disabled while open";
    EXPECT_EQ(GetFocus(), dialog.choice.List().GetSafeHwnd());

    // A click elsewhere takes the focus from the list: closed, enabled.
    Click(CentreOf(dialog.edit.GetSafeHwnd()));
    EXPECT_TRUE(PumpUntil([&] { return !dialog.choice.IsDroppedDown(); }, 1000ms));
    EXPECT_TRUE(dialog.choice.IsEnabled());
    EXPECT_TRUE(dialog.Choices().empty());
    // Its own list's background is band 6 of the list image.
    EXPECT_EQ(dialog.choice.List().ItemHeight(), ItemHeight());
}

TEST_F(BtnListBoxTest, PickingAnotherTextShowsItClosesAndTellsTheParentOnce) {
    Open({L"Alpha", L"Beta", L"Gamma"});
    dialog.choice.List().SetItemData(1, 42);
    EXPECT_EQ(dialog.choice.SelectItem(0), 0);
    ClickButton();
    ClickRow(1);
    EXPECT_EQ(dialog.choice.Text(), L"Beta");
    EXPECT_FALSE(dialog.choice.IsDroppedDown());
    EXPECT_TRUE(dialog.choice.IsEnabled());
    const std::vector<std::pair<int, HWND>> expected = {{IDC_T_CHOICE, dialog.choice.GetSafeHwnd()}};
    EXPECT_EQ(dialog.Choices(), expected);
    const int chosen = dialog.choice.List().GetCurSel();
    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(dialog.choice.List().GetItemData(chosen), 42);
}

TEST_F(BtnListBoxTest, PickingTheTextTheButtonShowsSendsNothingAndStaysOpen) {
    Open({L"Alpha", L"Beta", L"Alpha"});
    dialog.choice.SelectItem(0);
    ClickButton();
    ClickRow(2);  // another row with the same text
    EXPECT_EQ(dialog.choice.List().GetCurSel(), 2);
    ClickRow(0);
    EXPECT_TRUE(dialog.choice.IsDroppedDown());
    EXPECT_FALSE(dialog.choice.IsEnabled());
    EXPECT_TRUE(dialog.Choices().empty());
    EXPECT_EQ(dialog.choice.Text(), L"Alpha");
    // Escape closes it and gives the button back.
    TapKey(VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return !dialog.choice.IsDroppedDown(); }, 1000ms));
    EXPECT_TRUE(dialog.choice.IsEnabled());
    EXPECT_TRUE(dialog.Choices().empty());
}

TEST_F(BtnListBoxTest, SelectItemShowsTheRowsTextOrClearsItBeyondTheLastRow) {
    Open({L"Alpha", L"Beta"});
    EXPECT_EQ(dialog.choice.SelectItem(1), 1);
    EXPECT_EQ(dialog.choice.Text(), L"Beta");
    EXPECT_EQ(dialog.choice.SelectItem(2), -1);
    EXPECT_EQ(dialog.choice.Text(), L"");
    EXPECT_EQ(dialog.choice.List().GetCurSel(), -1);
    EXPECT_EQ(dialog.choice.SelectItem(-1), -1);
    EXPECT_TRUE(dialog.Choices().empty()) << "showing a stored choice notifies nobody";
}

TEST_F(BtnListBoxTest, OpeningSelectsTheFirstRowBeginningWithTheButtonsTextIgnoringCase) {
    Open({L"Alpha", L"Beta", L"bed", L"Gamma"});
    struct Case {
        const wchar_t* shown;
        int selected;
    };
    for (const Case& c : {Case{L"BE", 1}, Case{L"gamma", 3}, Case{L"Zed", -1}, Case{L"", -1}}) {
        SCOPED_TRACE(testing::Message() << "button shows '" << std::string(c.shown, c.shown + wcslen(c.shown)) << "'");
        dialog.choice.List().SetCurSel(-1);
        dialog.choice.SetText(c.shown);
        ClickButton();
        EXPECT_EQ(dialog.choice.List().GetCurSel(), c.selected);
        EXPECT_EQ(dialog.choice.Text(), c.shown) << "opening changes no text";
        TapKey(VK_ESCAPE);
        ASSERT_TRUE(PumpUntil([&] { return !dialog.choice.IsDroppedDown(); }, 1000ms));
    }
    // A selection that exists is kept: the prefix search is not run.
    dialog.choice.List().SetCurSel(0);
    dialog.choice.SetText(L"Gamma");
    ClickButton();
    EXPECT_EQ(dialog.choice.List().GetCurSel(), 0);
    EXPECT_TRUE(dialog.Choices().empty());
}

TEST_F(BtnListBoxTest, DropDownHeightShowsEveryRowAndStaysOnTheScreen) {
    Open({});
    dialog.choice.FitDropDown();
    EXPECT_EQ(DropDownRect().bottom - DropDownRect().top, 80) << "an empty list";
    for (int i = 0; i < 10; ++i) dialog.choice.AddItem(L"Fn + " + std::to_wstring(i));
    EXPECT_EQ(DropDownRect().bottom - DropDownRect().top, 10 * ItemHeight() + 2);
    EXPECT_EQ(dialog.choice.DeleteItem(9), 9);
    EXPECT_EQ(DropDownRect().bottom - DropDownRect().top, 9 * ItemHeight() + 2);

    // Far more rows than the screen holds: the open drop-down ends at the
    // work area's bottom, and its list scrolls to every row.
    for (int i = 0; i < 200; ++i) dialog.choice.AddItem(L"Profile" + std::to_wstring(i));
    ClickButton();
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(DropDownRect().bottom, work.bottom);
    EXPECT_TRUE(GetWindowLongPtrW(dialog.choice.List().GetSafeHwnd(), GWL_STYLE) & WS_VSCROLL);
    RECT list{};
    GetWindowRect(dialog.choice.List().GetSafeHwnd(), &list);
    EXPECT_EQ(list.bottom, work.bottom) << "the list fills the drop-down";
}

TEST_F(BtnListBoxTest, DropDownGoesWithItsButton) {
    Open({L"Alpha"});
    const HWND dropDown = DropDown();
    ASSERT_TRUE(IsWindow(dropDown));
    dialog.DestroyWindow();
    EXPECT_FALSE(IsWindow(dropDown));
}

TEST_F(BtnListBoxTest, ClosedItTakesTheKeysOfAClosedComboBox) {
    Open({L"Alpha", L"Beta", L"Gamma"});
    dialog.choice.SelectItem(0);
    SetFocus(dialog.choice.GetSafeHwnd());
    // Which row each key reaches is the native table's; here: they reach the
    // button, keep the focus there, and tell the parent only of a change.
    const std::tuple<WORD, const wchar_t*, std::size_t> steps[] = {
        {VK_DOWN, L"Beta", 1}, {VK_DOWN, L"Gamma", 2}, {VK_END, L"Gamma", 2}};
    for (const auto& [vk, shown, told] : steps) {
        TapKey(vk);
        PumpFor(100ms);
        EXPECT_EQ(dialog.choice.Text(), shown);
        EXPECT_EQ(dialog.Choices().size(), told);
        EXPECT_EQ(GetFocus(), dialog.choice.GetSafeHwnd());
    }
    for (bool alt : {false, true}) {
        if (alt) Key(VK_MENU, true);
        TapKey(alt ? VK_DOWN : VK_F4);
        if (alt) Key(VK_MENU, false);
        EXPECT_TRUE(PumpUntil([&] { return dialog.choice.IsDroppedDown(); }, 1000ms)) << (alt ? "Alt+Down" : "F4");
        TapKey(VK_ESCAPE);
        ASSERT_TRUE(PumpUntil([&] { return !dialog.choice.IsDroppedDown(); }, 1000ms));
    }
}
