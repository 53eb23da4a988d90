#include "win/support/ListTestFixture.h"

#include "skin/SkinBitmap.h"
#include "win/support/Capture.h"
#include "win/support/GdiplusSession.h"

namespace {
SharedBitmap ListImage() {
    EnsureGdiplus();
    return LoadSkinBitmap(TestProgramFolder() + L"..\\..\\dist\\res\\listback.bmp");
}
}  // namespace

void ListTest::SetUp() {
    wchar_t folder[MAX_PATH] = {};
    savedFolder_.assign(folder, GetCurrentDirectoryW(MAX_PATH, folder));
    ASSERT_TRUE(SetCurrentDirectoryW((TestProgramFolder() + L"..\\..\\dist").c_str()));
    ASSERT_GT(ItemHeight(), 0) << "res\\listback.bmp is missing";
}

void ListTest::TearDown() { SetCurrentDirectoryW(savedFolder_.c_str()); }

int ListTest::ItemHeight() const {
    const SharedBitmap image = ListImage();
    return HasImage(image.get()) ? ListItemHeight(static_cast<int>(image->GetHeight())) : 0;
}

uint32_t ListTest::BandColour(ListBand band) const {
    const SharedBitmap image = ListImage();
    Gdiplus::Color c;
    image->GetPixel(static_cast<INT>(image->GetWidth()) - 2, static_cast<int>(band) * ItemHeight() + 2, &c);
    return c.GetValue() & 0xFFFFFF;
}
