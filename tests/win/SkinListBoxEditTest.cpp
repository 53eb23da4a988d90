#include "skin/SkinListBoxEdit.h"

#include <gtest/gtest.h>

#include "win/support/Capture.h"
#include "win/support/Input.h"
#include "win/support/ListTestFixture.h"
#include "win/support/MessagePump.h"
#include "win/support/SkinTestDialog.h"

using namespace std::chrono_literals;

namespace {
class SkinListBoxEditTest : public ListTest {
protected:
    // An editable list created in the test dialog, with rows of three masks:
    // delete only, all four buttons, none.
    void Open() {
        MoveCursor(POINT{900, 700});
        dialog.Open();
        // The dialog's own controls go out of the way.
        for (HWND c = GetWindow(dialog.GetSafeHwnd(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) ShowWindow(c, SW_HIDE);
        list.LoadBackground();
        ASSERT_TRUE(list.CreateEx(0, L"LISTBOX", L"",
                                  WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY |
                                      LBS_NOINTEGRALHEIGHT,
                                  RECT{300, 20, 540, 170}, dialog.GetSafeHwnd(), 2001));
        list.LoadRowButtonImage();
        list.LoadIndicatorImage();
        list.AddRow(L"One", 0, 2);
        list.AddRow(L"Two", 1, 15);
        list.AddRow(L"Three", 2, 0);
        PumpFor(50ms);
    }
    POINT RowPoint(int row) {
        RECT r{};
        list.GetItemRect(row, &r);
        POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(list.GetSafeHwnd(), &p);
        return p;
    }
    HWND Button(UINT command) const { return GetDlgItem(list.GetSafeHwnd(), static_cast<int>(command)); }
    bool Shown(UINT command) const { return IsWindowVisible(Button(command)) != 0; }
    // The button's right edge in the list's client coordinates.
    int RightOf(UINT command) const {
        RECT r{};
        GetWindowRect(Button(command), &r);
        MapWindowPoints(nullptr, list.GetSafeHwnd(), reinterpret_cast<POINT*>(&r), 2);
        return r.right;
    }
    std::vector<std::wstring> Texts() const {
        std::vector<std::wstring> texts;
        for (int i = 0; i < list.GetCount(); ++i) texts.push_back(list.GetText(i));
        return texts;
    }

    SkinTestDialog dialog;
    CSkinListBoxEdit list;
};
}  // namespace

TEST_F(SkinListBoxEditTest, RowButtonsOfTheHoveredRowStandRightAlignedByItsMask) {
    Open();
    const int right = list.ClientRect().right;
    MoveCursor(RowPoint(0));
    ASSERT_TRUE(PumpUntil([&] { return Shown(CSkinListBoxEdit::kCommandDelete); }, 2s));
    EXPECT_EQ(RightOf(CSkinListBoxEdit::kCommandDelete), right - CSkinListBoxEdit::kMargin)
        << "a lone delete button stands one margin from the right edge";
    EXPECT_FALSE(Shown(CSkinListBoxEdit::kCommandEdit));

    MoveCursor(RowPoint(1));
    ASSERT_TRUE(PumpUntil([&] { return Shown(CSkinListBoxEdit::kCommandEdit); }, 2s));
    const int width = RightOf(CSkinListBoxEdit::kCommandDown) - RightOf(CSkinListBoxEdit::kCommandUp) -
                      CSkinListBoxEdit::kMargin;
    EXPECT_EQ(RightOf(CSkinListBoxEdit::kCommandDown), right - CSkinListBoxEdit::kMargin);
    EXPECT_EQ(RightOf(CSkinListBoxEdit::kCommandDelete), RightOf(CSkinListBoxEdit::kCommandUp) - width - CSkinListBoxEdit::kMargin);
    EXPECT_LT(RightOf(CSkinListBoxEdit::kCommandEdit), RightOf(CSkinListBoxEdit::kCommandDelete));

    MoveCursor(RowPoint(2));
    PumpFor(200ms);
    for (UINT c = CSkinListBoxEdit::kCommandEdit; c <= CSkinListBoxEdit::kCommandDown; ++c)
        EXPECT_FALSE(Shown(c)) << "mask 0 shows no button: " << c;
}

TEST_F(SkinListBoxEditTest, ButtonsMoveAndDeleteAndTheEditCommitsOnFocusLoss) {
    Open();
    MoveCursor(RowPoint(1));
    ASSERT_TRUE(PumpUntil([&] { return Shown(CSkinListBoxEdit::kCommandDown); }, 2s));
    Click(CentreOf(Button(CSkinListBoxEdit::kCommandDown)));
    ASSERT_TRUE(PumpUntil([&] { return Texts() == std::vector<std::wstring>{L"One", L"Three", L"Two"}; }, 2s));
    EXPECT_EQ(list.GetCurSel(), 2) << "the moved row stays selected";
    EXPECT_EQ(list.MoveRow(2, 3, false), -1) << "the bottom row does not move down";

    // An empty edit keeps the row; a new text replaces it.
    list.SetCurSel(0);
    list.BeginEdit();
    ASSERT_TRUE(list.IsEditing());
    EXPECT_EQ(list.InPlaceEdit().Text(), L"One");
    list.InPlaceEdit().SetText(L"");
    SetFocus(dialog.GetSafeHwnd());
    ASSERT_TRUE(PumpUntil([&] { return !list.IsEditing(); }, 2s));
    EXPECT_EQ(list.GetText(0), L"One");
    list.BeginEdit();
    list.InPlaceEdit().SetText(L"Uno");
    SetFocus(dialog.GetSafeHwnd());
    ASSERT_TRUE(PumpUntil([&] { return !list.IsEditing(); }, 2s));
    EXPECT_EQ(Texts(), (std::vector<std::wstring>{L"Uno", L"Three", L"Two"}));

    MoveCursor(RowPoint(0));
    ASSERT_TRUE(PumpUntil([&] { return Shown(CSkinListBoxEdit::kCommandDelete); }, 2s));
    Click(CentreOf(Button(CSkinListBoxEdit::kCommandDelete)));
    ASSERT_TRUE(PumpUntil([&] { return list.GetCount() == 2; }, 2s));
    EXPECT_EQ(Texts(), (std::vector<std::wstring>{L"Three", L"Two"}));
    EXPECT_FALSE(Shown(CSkinListBoxEdit::kCommandDelete));
}

TEST_F(SkinListBoxEditTest, TheEditShowsTheFocusMarkOnceTheKeyboardIsUsed) {
    Open();
    const auto ringOn = [&] {
        list.SetCurSel(0);
        list.BeginEdit();
        PumpFor(50ms);
        const Capture c = CaptureClient(list.InPlaceEdit().GetSafeHwnd());
        const bool on = c.At(c.width - 1, 0) == 0xFFB000 && c.At(c.width - 2, c.height / 2) == 0xFFB000;
        SetFocus(list.GetSafeHwnd());
        EXPECT_TRUE(PumpUntil([&] { return !list.IsEditing(); }, 2s));
        return on;
    };
    EXPECT_FALSE(ringOn()) << "the caret alone shows where typing goes";
    TapKey(VK_DOWN);
    PumpFor(50ms);
    EXPECT_TRUE(ringOn());
}
