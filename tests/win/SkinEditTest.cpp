#include <gtest/gtest.h>

#include "win/support/Capture.h"
#include "win/support/Input.h"
#include "win/support/MessagePump.h"
#include "win/support/SkinTestDialog.h"

using namespace std::chrono_literals;

namespace {
// Columns from `from` on that show anything but the face colour.
bool InkRightOf(const Capture& c, int from) {
    for (int y = 0; y < c.height; ++y)
        for (int x = from; x < c.width; ++x)
            if (c.At(x, y) != c.At(c.width - 1, 0)) return true;
    return false;
}

std::wstring KeyName(UINT vk) {
    wchar_t name[32] = {};
    GetKeyNameTextW(static_cast<LONG>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC) << 16), name, 32);
    return name;
}
}  // namespace

TEST(SkinEdit, DisabledShowsTheDisableSliceAndTextColour) {
    SkinTestDialog dialog;
    dialog.Open();
    dialog.edit.SetText(L"Hello");
    EXPECT_EQ(CaptureClient(dialog.edit.GetSafeHwnd()).At(1, 1), StateColour(SkinState::Normal, 0));
    dialog.edit.Enable(false);
    dialog.edit.Invalidate();
    const Capture c = CaptureClient(dialog.edit.GetSafeHwnd());
    EXPECT_EQ(c.At(1, 1), StateColour(SkinState::Disable, 0));
    // Text in grey, none in white. The system draws a disabled edit's text
    // in its own grey text colour, whatever colour the control asks for.
    bool grey = false, white = false;
    for (uint32_t p : c.pixels) {
        const uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
        grey |= r == g && g == b && r >= 0x60 && r <= 0xB0;
        white |= r > 0xC0 && g > 0xC0 && b > 0xC0;
    }
    EXPECT_TRUE(grey);
    EXPECT_FALSE(white);
}

TEST(SkinEdit, CtrlASelectsAllTheText) {
    SkinTestDialog dialog;
    dialog.Open();
    dialog.edit.SetText(L"Profile 1");
    SetFocus(dialog.edit.GetSafeHwnd());
    dialog.edit.Send(EM_SETSEL, 3, 3);
    Key(VK_CONTROL, true);
    TapKey('A');
    Key(VK_CONTROL, false);
    PumpFor(150ms);
    DWORD from = 0, to = 0;
    dialog.edit.Send(EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, 9u);
    EXPECT_EQ(dialog.edit.Text(), L"Profile 1") << "no control character typed";
}

TEST(SkinEdit, TypingRepaintsTheBackgroundUnderTheText) {
    SkinTestDialog dialog;
    dialog.Open();
    SetFocus(dialog.edit.GetSafeHwnd());
    for (int i = 0; i < 8; ++i) TapKey('W');
    PumpFor(150ms);
    ASSERT_EQ(dialog.edit.Text(), L"wwwwwwww");
    ASSERT_TRUE(InkRightOf(CaptureClient(dialog.edit.GetSafeHwnd()), 40));
    for (int i = 0; i < 7; ++i) TapKey(VK_BACK);
    PumpFor(150ms);
    ASSERT_EQ(dialog.edit.Text(), L"w");
    EXPECT_FALSE(InkRightOf(CaptureClient(dialog.edit.GetSafeHwnd()), 40)) << "old glyphs remain";
}

// The release of the key last pressed ends the capture: the focus moves on,
// and Shift, released after A, reaches the next control, which types nothing.
TEST(SkinKeyCapture, KeepsTheKeyPressedAndReleasedThenMovesTheFocusOn) {
    SkinTestDialog dialog;
    dialog.Open();
    SetFocus(dialog.keys.GetSafeHwnd());
    const HWND next = GetNextDlgTabItem(dialog.GetSafeHwnd(), dialog.keys.GetSafeHwnd(), FALSE);
    ASSERT_NE(next, dialog.keys.GetSafeHwnd());
    Key(VK_SHIFT, true);
    Key('A', true);
    Key('A', false);
    Key(VK_SHIFT, false);
    PumpFor(150ms);
    const auto& keys = dialog.keys.Keys();
    EXPECT_EQ(keys[0].Type(), 1u);
    EXPECT_EQ(keys[0].Vk(), 'A');
    EXPECT_EQ(keys[0].KeyFlags(), 0u);
    EXPECT_EQ(keys[1].Vk(), 'A');
    EXPECT_EQ(keys[1].Scan(), MapVirtualKeyW('A', MAPVK_VK_TO_VSC));
    EXPECT_EQ(keys[1].KeyFlags(), 2u);
    EXPECT_EQ(dialog.keys.Text(), KeyName('A'));
    EXPECT_EQ(GetFocus(), next);
    EXPECT_EQ(dialog.edit.Text(), L"");  // nothing typed anywhere
}

// Tab and Escape are keys like any other; only the last one pressed ends it.
TEST(SkinKeyCapture, TabAndEscapeAreCapturedUntilTheLastPressedComesUp) {
    SkinTestDialog dialog;
    dialog.Open();
    SetFocus(dialog.keys.GetSafeHwnd());
    Key(VK_TAB, true);
    Key(VK_ESCAPE, true);
    Key(VK_TAB, false);
    PumpFor(150ms);
    EXPECT_EQ(GetFocus(), dialog.keys.GetSafeHwnd()) << "Tab's release is not the last pressed key's";
    EXPECT_EQ(dialog.keys.Keys()[0].Vk(), VK_ESCAPE);
    EXPECT_EQ(dialog.keys.Keys()[1].Vk(), VK_TAB);
    Key(VK_ESCAPE, false);
    PumpFor(150ms);
    EXPECT_NE(GetFocus(), dialog.keys.GetSafeHwnd()) << "Escape's release ends the capture";
    EXPECT_EQ(dialog.keys.Keys()[1].Vk(), VK_ESCAPE);
    EXPECT_TRUE(IsWindowVisible(dialog.GetSafeHwnd()));  // Escape did not end the dialog
}

TEST(SkinStatic, MissingFontFamilyFallsBackToSansSerif) {
    SkinTestDialog dialog;
    dialog.fallback.SetFontFamily(L"No Such Family Anywhere");
    dialog.Open();
    const Capture c = CaptureClient(dialog.fallback.GetSafeHwnd());
    bool ink = false;
    for (uint32_t p : c.pixels) ink |= (p & 0xFFFFFF) != c.At(0, 0);
    EXPECT_TRUE(ink) << "the label's text was drawn";
    EXPECT_EQ(dialog.fallback.LastStatus(), 0);
}
