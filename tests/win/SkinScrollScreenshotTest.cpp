#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win/support/Capture.h"
#include "win/support/DistFolder.h"
#include "win/support/Input.h"
#include "win/support/MessagePump.h"
#include "win/support/SkinTestDialog.h"

// Screenshots of the brightness slider and of a scrolled multi-line edit on
// generated skins, saved as build\win\screenshots\*.png for review; each
// state a user sees must differ from the one before.

using namespace std::chrono_literals;

namespace {

class Shots {
public:
    explicit Shots(std::u16string_view set) : set_(set.begin(), set.end()), dialog(ResFolder(), set) {
        dialog.SetMask(ResFolder() + set_ + L"_Mask.bmp");
        dialog.Open(20, 20);
    }
    ~Shots() { SetCursorPos(1200, 1000); }
    // Saves what `control` shows and checks it differs from the last shot.
    void Save(const CWnd& control, const std::wstring& name) {
        PumpFor(60ms);
        const Capture c = CaptureClient(control.GetSafeHwnd());
        EXPECT_NE(c.pixels, last_) << std::string(name.begin(), name.end());
        last_ = c.pixels;
        EXPECT_TRUE(SavePng(c, TestProgramFolder() + L"screenshots\\" + set_ + L"_" + name + L".png"));
    }

private:
    InDistFolder folder_;  // thumb and bar images
    std::wstring set_;
    std::vector<uint32_t> last_;

public:
    SkinTestDialog dialog;
};
}  // namespace

TEST(SkinScrollScreenshots, BrightnessSlider) {
    Shots shots(u"Backlight");
    CSkinSliderCtrl& slider = shots.dialog.slider;
    slider.FitTo(RECT{152, 128, 512, 135});
    slider.SetPos(10);
    SetCursorPos(1200, 1000);
    shots.Save(slider, L"slider_normal");
    const RECT t = slider.ThumbRect();
    POINT thumb{(t.left + t.right) / 2, (t.top + t.bottom) / 2};
    ClientToScreen(slider.GetSafeHwnd(), &thumb);
    MoveCursor(thumb);
    shots.Save(slider, L"slider_hover");
    MouseButton(true);
    shots.Save(slider, L"slider_dragged");
    MouseButton(false);
    MoveCursor(POINT{1200, 1000});
    slider.Enable(false);
    shots.Save(slider, L"slider_disabled");
}

TEST(SkinScrollScreenshots, ScrolledEdit) {
    Shots shots(u"Macro");
    CSkinEdit& memo = shots.dialog.memo;
    const CSkinScrollFrame& frame = *memo.ScrollFrame();
    SetCursorPos(1200, 1000);
    shots.Save(frame, L"memo_empty");
    std::wstring text;
    for (int i = 1; i <= 30; ++i) text += L"Event " + std::to_wstring(i) + L"\r\n";
    memo.SetText(text);
    shots.Save(frame, L"memo_full");
    memo.Send(WM_VSCROLL, SB_PAGEDOWN, 0);
    shots.Save(frame, L"memo_scrolled");
}
