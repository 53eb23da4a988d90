#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win/support/Capture.h"
#include "win/support/DistFolder.h"
#include "win/support/Input.h"
#include "win/support/ListTestFixture.h"
#include "win/support/MessagePump.h"
#include "win/support/SkinTestDialog.h"

// Screenshots of the generated skin for review: each control of three real
// windows in each of its states, saved as build\win\screenshots\*.png. The
// assertions check that the states a user sees really differ.

using namespace std::chrono_literals;

namespace {

struct Shot {
    CWnd& control;
    const wchar_t* name;
    const wchar_t* text;
    RECT rect;  // x, y, width, height
    enum Kind { Button, Box, Plain } kind;
};

class Gallery {
public:
    Gallery(std::u16string_view set) : set_(set.begin(), set.end()), dialog_(ResFolder(), set) {
        dialog_.SetMask(ResFolder() + set_ + L"_Mask.bmp");
    }
    SkinTestDialog& Dialog() { return dialog_; }

    // Places the shots' controls, hides every other one, and shoots them all.
    void Run(const std::vector<Shot>& shots) {
        dialog_.Open(20, 20);
        for (CWnd* c : std::initializer_list<CWnd*>{&dialog_.button, &dialog_.blank, &dialog_.indexed,
                                                   &dialog_.check, &dialog_.narrow, &dialog_.radio1,
                                                   &dialog_.radio2, &dialog_.radio3, &dialog_.after,
                                                   &dialog_.label, &dialog_.fallback, &dialog_.link,
                                                   &dialog_.edit, &dialog_.keys, &dialog_.memo, &dialog_.slider,
                                                   &dialog_.choice, &dialog_.list})
            c->Show(SW_HIDE);
        for (const Shot& s : shots) {
            s.control.SetText(s.text);
            s.control.Move(s.rect.left, s.rect.top, s.rect.right, s.rect.bottom);
            s.control.Show(SW_SHOW);
        }
        Park();
        Save(dialog_, L"window");
        for (const Shot& s : shots) ShootStates(s);
    }

private:
    static void Park() {
        SetCursorPos(1200, 1000);
        PumpFor(60ms);
    }
    void Save(const CWnd& control, const std::wstring& state) {
        const Capture c = CaptureClient(control.GetSafeHwnd());
        last_ = c.pixels;
        EXPECT_TRUE(SavePng(c, TestProgramFolder() + L"screenshots\\" + set_ + L"_" + state + L".png"));
    }
    // Saves a state and checks it differs from the one saved before it.
    void SaveDistinct(const Shot& s, const std::wstring& state) {
        const std::vector<uint32_t> before = last_;
        Save(s.control, std::wstring(s.name) + L"_" + state);
        EXPECT_NE(before, last_) << std::string(state.begin(), state.end());
    }
    void Hover(const Shot& s) {
        MoveCursor(CentreOf(s.control.GetSafeHwnd()));
        PumpFor(120ms);
    }
    void ShootStates(const Shot& s) {
        Park();
        Save(s.control, std::wstring(s.name) + L"_normal");
        if (s.kind == Shot::Plain) {
            s.control.Enable(false);
            SaveDistinct(s, L"disabled");
            s.control.Enable(true);
            return;
        }
        Hover(s);
        SaveDistinct(s, L"hover");
        if (s.kind == Shot::Button) {
            MouseButton(true);
            PumpFor(80ms);
            SaveDistinct(s, L"pressed");
            SetCursorPos(1200, 1000);  // released outside: no click
            MouseButton(false);
        }
        Park();
        s.control.Enable(false);
        SaveDistinct(s, L"disabled");
        s.control.Enable(true);
        if (s.kind != Shot::Box) return;
        s.control.Send(BM_SETCHECK, 1);
        s.control.Invalidate();
        Park();
        SaveDistinct(s, L"ticked");
        Hover(s);
        SaveDistinct(s, L"ticked_hover");
        Park();
        s.control.Enable(false);
        SaveDistinct(s, L"ticked_disabled");
        s.control.Enable(true);
        s.control.Send(BM_SETCHECK, 0);
    }

    std::wstring set_;
    SkinTestDialog dialog_;
    std::vector<uint32_t> last_;
};
}  // namespace

TEST(SkinScreenshots, MacroPage) {
    Gallery g(u"Macro");
    SkinTestDialog& d = g.Dialog();
    g.Run({{d.label, L"label", L"Macro", {377, 16, 68, 18}, Shot::Plain},
           {d.blank, L"new", L"", {377, 80, 48, 34}, Shot::Button},
           {d.fallback, L"name_label", L"Macro Name", {377, 127, 80, 13}, Shot::Plain},
           {d.edit, L"name_edit", L"Macro1", {385, 156, 233, 23}, Shot::Plain},
           {d.button, L"record", L"Record", {375, 202, 245, 37}, Shot::Button},
           {d.check, L"record_time", L"Record Time", {380, 258, 99, 24}, Shot::Box}});
}

TEST(SkinScreenshots, BacklightPage) {
    Gallery g(u"Backlight");
    SkinTestDialog& d = g.Dialog();
    d.radio1.SetTextFlags(4);
    d.radio2.SetTextFlags(4);
    d.label.SetTextFlags(4);
    g.Run({{d.label, L"label", L"Back Light", {53, 62, 92, 23}, Shot::Plain},
           {d.check, L"switch", L"", {153, 60, 71, 26}, Shot::Box},
           {d.radio1, L"static", L"Static", {150, 167, 100, 26}, Shot::Box},
           {d.radio2, L"blink", L"Blink", {257, 167, 75, 26}, Shot::Box}});
}

TEST(SkinScreenshots, MainWindow) {
    Gallery g(u"Main");
    SkinTestDialog& d = g.Dialog();
    d.indexed.SetTextFlags(2);
    d.link.SetFontSize(13);
    g.Run({{d.button, L"settings", L"Settings", {72, 98, 75, 31}, Shot::Button},
           {d.indexed, L"english", L"English", {765, 20, 83, 23}, Shot::Button},
           {d.blank, L"new_profile", L"", {36, 234, 47, 47}, Shot::Button},
           {d.label, L"profile_label", L"Profile", {38, 171, 100, 18}, Shot::Plain},
           {d.edit, L"profile_name", L"Profile1", {39, 323, 230, 24}, Shot::Plain},
           {d.link, L"link", L"www.example.com", {797, 458, 168, 30}, Shot::Plain}});
}

// The profile list of the main window, open, with a selected row and the
// pointer on another.
TEST_F(ListTest, SkinScreenshotsOfTheOpenDropDown) {
    SkinTestDialog dialog(ResFolder(), u"Main");
    dialog.SetMask(ResFolder() + L"Main_Mask.bmp");
    dialog.Open(20, 20);
    dialog.choice.Move(35, 192, 242, 36);
    for (const wchar_t* name : {L"Profile1", L"Profile2", L"Racing", L"Shooter"}) dialog.choice.AddItem(name);
    dialog.choice.SelectItem(0);
    Click(CentreOf(dialog.choice.GetSafeHwnd()));
    ASSERT_TRUE(PumpUntil([&] { return dialog.choice.IsDroppedDown(); }, 1000ms));
    RECT row{};
    dialog.choice.List().GetItemRect(2, &row);
    POINT at{row.left + 30, (row.top + row.bottom) / 2};
    ClientToScreen(dialog.choice.List().GetSafeHwnd(), &at);
    MoveCursor(at);
    ASSERT_TRUE(PumpUntil([&] { return dialog.choice.List().HoverRow() == 2; }, 1000ms));
    PumpFor(60ms);
    const Capture open = CaptureClient(GetParent(dialog.choice.List().GetSafeHwnd()));
    EXPECT_TRUE(SavePng(open, TestProgramFolder() + L"screenshots\\Main_profile_list_open.png"));
    EXPECT_TRUE(SavePng(CaptureClient(dialog.choice.GetSafeHwnd()),
                        TestProgramFolder() + L"screenshots\\Main_profile_list_button_open.png"));
}
