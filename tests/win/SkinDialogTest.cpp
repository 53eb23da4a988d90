#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "win/support/Capture.h"
#include "win/support/DistFolder.h"
#include "win/support/Input.h"
#include "win/support/MessagePump.h"
#include "win/support/SkinTestDialog.h"

using namespace std::chrono_literals;

namespace {
// A mask file: white, with a black rounded rectangle inset by `inset`.
std::wstring WriteMask(int width, int height, int inset) {
    Gdiplus::Bitmap mask(width, height, PixelFormat24bppRGB);
    {
        Gdiplus::Graphics g(&mask);
        g.Clear(Gdiplus::Color(255, 255, 255, 255));
        g.SetSmoothingMode(Gdiplus::SmoothingModeNone);
        Gdiplus::SolidBrush black(Gdiplus::Color(255, 0, 0, 0));
        Gdiplus::GraphicsPath path;
        const int r = 40, x0 = inset, y0 = inset, x1 = width - inset, y1 = height - inset;
        path.AddArc(x0, y0, r, r, 180, 90);
        path.AddArc(x1 - r, y0, r, r, 270, 90);
        path.AddArc(x1 - r, y1 - r, r, r, 0, 90);
        path.AddArc(x0, y1 - r, r, r, 90, 90);
        path.CloseFigure();
        g.FillPath(&black, &path);
    }
    const std::wstring path = TestProgramFolder() + L"screenshots\\test_mask.bmp";
    SaveImage(mask, path, L"image/bmp");
    return path;
}

LONG EditFontHeight(HWND edit) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
}

bool Inside(HWND hwnd, POINT client) {
    POINT screen = client;
    ClientToScreen(hwnd, &screen);
    return WindowFromPoint(screen) == hwnd;
}
}  // namespace

TEST(SkinDialog, MaskGivesSizeAndOutlineAndClicksPassTheWhiteParts) {
    SkinTestDialog dialog;
    dialog.SetMask(WriteMask(360, 240, 10));
    dialog.Open(100, 100);
    const RECT r = dialog.WindowRect();
    EXPECT_EQ(r.right - r.left, 360);
    EXPECT_EQ(r.bottom - r.top, 240);

    HWND hwnd = dialog.GetSafeHwnd();
    EXPECT_FALSE(Inside(hwnd, POINT{2, 2})) << "white margin";
    EXPECT_FALSE(Inside(hwnd, POINT{12, 12})) << "outside the rounded corner";
    EXPECT_FALSE(Inside(hwnd, POINT{355, 235}));
    EXPECT_TRUE(Inside(hwnd, POINT{30, 200}));
    EXPECT_TRUE(Inside(hwnd, POINT{349, 120})) << "last column of the shape";
    EXPECT_FALSE(Inside(hwnd, POINT{350, 120})) << "first white column";
}

// Wine never sends WM_DPICHANGED: the test sends it as Windows would when
// the window moves to a 200 % monitor.
TEST(SkinDialog, ADpiChangeLaysTheWindowOutAgainAtTheSuggestedPlace) {
    SkinTestDialog dialog;
    dialog.SetMask(WriteMask(360, 240, 10));
    dialog.Open(100, 100);
    HWND hwnd = dialog.GetSafeHwnd();
    const LONG fontBefore = EditFontHeight(dialog.edit.GetSafeHwnd());
    RECT suggested{50, 60, 50 + 720, 60 + 480};
    dialog.Send(WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    PumpFor(150ms);

    const RECT r = dialog.WindowRect();
    EXPECT_EQ(r.left, 50);
    EXPECT_EQ(r.top, 60);
    EXPECT_EQ(r.right - r.left, 720);
    EXPECT_EQ(r.bottom - r.top, 480);
    EXPECT_TRUE(Inside(hwnd, POINT{699, 240})) << "last column of the shape, doubled";
    EXPECT_FALSE(Inside(hwnd, POINT{700, 240}));
    EXPECT_FALSE(Inside(hwnd, POINT{24, 24})) << "outside the rounded corner, doubled";

    RECT button = dialog.button.WindowRect();
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&button), 2);
    EXPECT_EQ(button.left, 20);
    EXPECT_EQ(button.top, 20);
    EXPECT_EQ(button.right - button.left, 160);
    EXPECT_EQ(button.bottom - button.top, 60);
    EXPECT_EQ(EditFontHeight(dialog.edit.GetSafeHwnd()), 2 * fontBefore) << "the edit remade its font";
    // The background is the Normal image, scaled.
    EXPECT_EQ(CaptureClient(hwnd).At(600, 270), StateColour(SkinState::Normal, 0));
}

TEST(SkinDialog, BackgroundIsNormalImageZero) {
    SkinTestDialog dialog;
    dialog.Open();
    const Capture c = CaptureClient(dialog.GetSafeHwnd());
    EXPECT_EQ(c.At(395, 295), StateColour(SkinState::Normal, 0));
}

TEST(SkinDialog, DragAnywhereMovesTheWindowFromItsBackground) {
    SkinTestDialog dialog;
    dialog.Open(60, 60);
    HWND hwnd = dialog.GetSafeHwnd();
    POINT empty{300, 250};  // no control there
    ClientToScreen(hwnd, &empty);
    EXPECT_EQ(dialog.Send(WM_NCHITTEST, 0, MAKELPARAM(empty.x, empty.y)), HTCLIENT);
    dialog.SetDragAnywhere(true);
    EXPECT_EQ(dialog.Send(WM_NCHITTEST, 0, MAKELPARAM(empty.x, empty.y)), HTCAPTION);
    // A control keeps its own clicks.
    const POINT onButton = CentreOf(dialog.button.GetSafeHwnd());
    EXPECT_EQ(dialog.button.Send(WM_NCHITTEST, 0, MAKELPARAM(onButton.x, onButton.y)), HTCLIENT);

    const RECT before = dialog.WindowRect();
    // The system's move loop runs inside the press, so the hand that moves
    // the mouse is another thread.
    std::atomic<bool> released = false;
    std::thread hand([&] {
        MoveCursor(empty);
        MouseButton(true);
        for (int step = 1; step <= 5; ++step) {
            Sleep(60);
            MoveCursor(POINT{empty.x + step * 8, empty.y + step * 6});
        }
        Sleep(60);
        MouseButton(false);
        released = true;
    });
    PumpUntil([&] { return released.load(); }, 5000ms);
    hand.join();
    PumpFor(100ms);
    const RECT after = dialog.WindowRect();
    EXPECT_EQ(after.left - before.left, 40);
    EXPECT_EQ(after.top - before.top, 30);
}

// A skin's images cost memory only while drawn: none before the first
// paint, one copy shared by two windows of the same set, and none once a
// hidden window's keeping time is over; the next paint brings them back.
TEST(SkinDialog, FileImagesLoadWhenDrawnAreSharedAndGoBackWhenHidden) {
    SkinTestDialog first(ResFolder(), u"Setting"), second(ResFolder(), u"Setting");
    EXPECT_FALSE(first.HoldsImages());
    first.Open();
    EXPECT_TRUE(first.HoldsImages()) << "the first paint loads the background";
    EXPECT_EQ(first.Image(SkinState::Normal, 0), second.Image(SkinState::Normal, 0)) << "one copy of each file";

    first.Show(SW_HIDE);
    PumpFor(50ms);
    EXPECT_TRUE(first.HoldsImages()) << "kept while the keeping time runs";
    first.Send(WM_TIMER, CSkinDialog::kReleaseTimer, 0);
    EXPECT_FALSE(first.HoldsImages());

    first.Show(SW_SHOW);
    RedrawWindow(first.GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const Capture c = CaptureClient(first.GetSafeHwnd());
    Gdiplus::Color expected;
    ASSERT_EQ(second.Image(SkinState::Normal, 0)->GetPixel(500, 250, &expected), Gdiplus::Ok);
    EXPECT_EQ(c.At(500, 250), expected.GetValue() & 0xFFFFFF) << "the background is drawn again";
}
