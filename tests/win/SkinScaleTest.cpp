#include <gtest/gtest.h>

#include "skin/SkinScale.h"
#include "skin/SkinScrollFrame.h"
#include "win/support/DistFolder.h"
#include "win/support/MessagePump.h"
#include "win/support/SkinTestDialog.h"

using namespace std::chrono_literals;

// At 125 % the controls take their images from the 150 % set, resized cell
// by cell. Wine never sends WM_DPICHANGED: the test sends it as Windows would.
TEST(SkinScale, AtADpiBetweenSetsControlsTakeTheNextLargerSetResized) {
    const InDistFolder folder;
    SkinTestDialog dialog;
    dialog.Open();
    dialog.list.LoadBackground();
    const CSkinScrollFrame* frame = dialog.memo.ScrollFrame();
    ASSERT_NE(frame, nullptr);
    RECT suggested{40, 40, 40 + 700, 40 + 375};
    dialog.Send(WM_DPICHANGED, MAKEWPARAM(120, 120), reinterpret_cast<LPARAM>(&suggested));
    PumpFor(150ms);
    const RECT thumb = dialog.slider.ThumbRect();
    EXPECT_EQ(thumb.right - thumb.left, 18) << "the thumb of 14 x 20: 17.5 rounds up";
    EXPECT_EQ(thumb.bottom - thumb.top, 25);
    // The track of 200 is 250 long; the thumb's centre reaches both ends.
    EXPECT_EQ(dialog.slider.WindowRect().right - dialog.slider.WindowRect().left, 250 + 2 * 10);
    EXPECT_EQ(dialog.list.ItemHeight(), 28) << "rows of 22";
    EXPECT_EQ(frame->VerticalBar().Thickness(), 18);
    const RECT bar = frame->VerticalBar().WindowRect();
    EXPECT_EQ(bar.right - bar.left, 18) << "the bar's window follows its thickness";

    // The bar's image: its flat track cells (column 3) keep their colour to
    // the edge beside the thumb cells; resized whole, the edge would blend.
    const SharedBitmap image = LoadSkinImage(L".\\res\\scrollbar.bmp", 120, {4, 4});
    ASSERT_EQ(image->GetWidth(), 72u);
    for (int y = 9; y < 72; y += 18) {
        Gdiplus::Color edge, middle;
        image->GetPixel(54, y, &edge);
        image->GetPixel(63, y, &middle);
        EXPECT_EQ(edge.GetValue(), middle.GetValue()) << "row at " << y;
    }
}
