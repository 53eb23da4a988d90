#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/SkinBitmap.h"
#include "ui/SkinState.h"
#include "win/support/Capture.h"
#include "win/support/DistFolder.h"
#include "win/support/GdiplusSession.h"

// The generated skin in dist\res: every file the program opens exists, each
// window's state images have its mask's size, the states differ, and the keys
// of the keyboard picture lie exactly on the page's key buttons.

namespace {

SharedBitmap Load(const std::wstring& name) {
    EnsureGdiplus();
    return LoadSkinBitmap(ResFolder() + name);
}

uint32_t Pixel(Gdiplus::Bitmap& b, int x, int y) {
    Gdiplus::Color c;
    b.GetPixel(x, y, &c);
    return c.GetValue() & 0xFFFFFF;
}

struct Set {
    const wchar_t* name;
    std::vector<const wchar_t*> states;
    const wchar_t* mask;
};

const std::vector<Set>& Sets() {
    static const std::vector<Set> sets = {
        {L"Main", {L"Normal", L"Disable", L"Over", L"Selected"}, L"Main"},
        {L"Setting", {L"Normal", L"Disable", L"Over", L"Selected"}, L"Setting"},
        {L"Macro", {L"Normal", L"Disable", L"DisableSelected", L"Over", L"OverSelected", L"Selected"}, L"Macro"},
        {L"Backlight", {L"Normal", L"Disable", L"DisableSelected", L"Over", L"OverSelected"}, L"Backlight"},
        {L"BackLight", {L"Selected"}, L"Backlight"},
        {L"Gamingmode", {L"Normal", L"Disable", L"DisableSelected", L"Over", L"OverSelected", L"Selected"},
         L"Gamingmode"},
        {L"ActionMain", {L"Normal", L"Disable", L"Over", L"Selected"}, L"ActionMain"},
        {L"ActionKeyboard", {L"Normal", L"Over"}, L"ActionKA"},
        {L"ActionLaunchApp", {L"Normal", L"Disable", L"Over", L"OverSelected", L"Selected"}, L"ActionKA"},
        {L"ActionMacro", {L"Normal", L"Disable", L"Over", L"Selected"}, L"ActionKA"},
        {L"ActionMedia", {L"Normal", L"Disable", L"Over", L"Selected"}, L"ActionKA"},
        {L"ActionMouse", {L"Normal", L"Disable", L"Over", L"Selected"}, L"ActionKA"},
        {L"ActionShortcut", {L"Normal", L"Disable", L"Over", L"Selected"}, L"ActionKA"},
        {L"Hint", {L"Normal"}, L"Hint"},
    };
    return sets;
}

// Key buttons of the keyboard page: x, y, width, height.
struct KeyRect {
    int x, y, w, h;
};
const KeyRect kKeys[] = {
    {71, 57, 30, 31},   {146, 57, 30, 31},  {176, 57, 30, 31},  {206, 57, 30, 31},  {236, 57, 30, 31},
    {273, 57, 30, 31},  {303, 57, 30, 31},  {333, 57, 30, 31},  {363, 57, 30, 31},  {401, 57, 30, 31},
    {431, 57, 30, 31},  {461, 57, 30, 31},  {491, 57, 30, 31},  {525, 57, 30, 31},  {555, 57, 30, 31},
    {585, 57, 30, 31},  {36, 91, 30, 31},   {71, 91, 30, 31},   {101, 91, 30, 31},  {131, 91, 30, 31},
    {161, 91, 30, 31},  {191, 91, 30, 31},  {221, 91, 30, 31},  {251, 91, 30, 31},  {281, 91, 30, 31},
    {311, 91, 30, 31},  {341, 91, 30, 31},  {371, 91, 30, 31},  {401, 91, 30, 31},  {431, 91, 30, 31},
    {461, 91, 60, 31},  {525, 91, 30, 31},  {555, 91, 30, 31},  {585, 91, 30, 31},  {620, 91, 30, 31},
    {650, 91, 30, 31},  {680, 91, 30, 31},  {710, 91, 30, 31},  {36, 122, 30, 31},  {71, 122, 45, 31},
    {116, 122, 30, 31}, {146, 122, 30, 31}, {176, 122, 30, 31}, {206, 122, 30, 31}, {236, 122, 30, 31},
    {266, 122, 30, 31}, {296, 122, 30, 31}, {326, 122, 30, 31}, {356, 122, 30, 31}, {386, 122, 30, 31},
    {416, 122, 30, 31}, {446, 122, 30, 31}, {476, 122, 45, 31}, {525, 122, 30, 31}, {555, 122, 30, 31},
    {585, 122, 30, 31}, {620, 122, 30, 31}, {650, 122, 30, 31}, {680, 122, 30, 31}, {710, 122, 30, 62},
    {36, 153, 30, 31},  {71, 153, 59, 31},  {129, 153, 30, 31}, {159, 153, 30, 31}, {189, 153, 30, 31},
    {219, 153, 30, 31}, {249, 153, 30, 31}, {279, 153, 30, 31}, {309, 153, 30, 31}, {339, 153, 30, 31},
    {369, 153, 30, 31}, {399, 153, 30, 31}, {429, 153, 30, 31}, {459, 153, 62, 31}, {620, 153, 30, 31},
    {650, 153, 30, 31}, {680, 153, 30, 31}, {36, 184, 30, 31},  {71, 184, 75, 31},  {146, 184, 30, 31},
    {176, 184, 30, 31}, {206, 184, 30, 31}, {236, 184, 30, 31}, {266, 184, 30, 31}, {296, 184, 30, 31},
    {326, 184, 30, 31}, {356, 184, 30, 31}, {386, 184, 30, 31}, {416, 184, 30, 31}, {446, 184, 75, 31},
    {555, 184, 30, 31}, {620, 184, 30, 31}, {650, 184, 30, 31}, {680, 184, 30, 31}, {710, 184, 30, 62},
    {36, 215, 30, 31},  {71, 215, 45, 31},  {146, 215, 45, 31}, {191, 215, 180, 31}, {371, 215, 45, 31},
    {446, 215, 30, 31}, {476, 215, 45, 31}, {525, 215, 30, 31}, {555, 215, 30, 31}, {585, 215, 30, 31},
    {620, 215, 60, 31}, {680, 215, 30, 31},
};
}  // namespace

TEST(SkinImages, EveryWindowHasItsStateImagesAtTheSizeOfItsMask) {
    for (const Set& set : Sets()) {
        const auto mask = Load(std::wstring(set.mask) + L"_Mask.bmp");
        ASSERT_TRUE(HasImage(mask.get())) << set.mask;
        for (const wchar_t* state : set.states) {
            const std::wstring file = std::wstring(set.name) + L"_" + state + L".bmp";
            const auto image = Load(file);
            ASSERT_TRUE(HasImage(image.get())) << std::string(file.begin(), file.end());
            EXPECT_EQ(image->GetWidth(), mask->GetWidth());
            EXPECT_EQ(image->GetHeight(), mask->GetHeight());
        }
    }
    EXPECT_EQ(static_cast<int>(sizeof(kKeys) / sizeof(kKeys[0])), 107);
}

TEST(SkinImages, MasksAreWhiteOutsideAndDarkInside) {
    for (const wchar_t* name : {L"Main", L"Setting", L"Macro", L"ActionKA", L"Hint"}) {
        const auto mask = Load(std::wstring(name) + L"_Mask.bmp");
        ASSERT_TRUE(HasImage(mask.get()));
        const int w = static_cast<int>(mask->GetWidth()), h = static_cast<int>(mask->GetHeight());
        EXPECT_EQ(Pixel(*mask, 0, 0), 0xFFFFFFu) << "rounded corner";
        EXPECT_EQ(Pixel(*mask, w - 1, 0), 0xFFFFFFu);
        EXPECT_NE(Pixel(*mask, w / 2, h / 2), 0xFFFFFFu);
        EXPECT_NE(Pixel(*mask, w / 2, 0), 0xFFFFFFu) << "the shape reaches the top edge";
    }
}

TEST(SkinImages, KeysOfThePictureLieExactlyOnTheKeyButtons) {
    const auto normal = Load(L"Setting_Normal.bmp");
    ASSERT_TRUE(HasImage(normal.get()));
    // The case shows in the one-pixel frame of every key rectangle.
    const uint32_t caseColour = Pixel(*normal, 30, 250);
    for (const KeyRect& k : kKeys) {
        const int cy = k.y + k.h / 2, cx = k.x + k.w / 2;
        EXPECT_EQ(Pixel(*normal, k.x, cy), caseColour) << k.x << "," << k.y;
        EXPECT_EQ(Pixel(*normal, k.x + k.w - 1, cy), caseColour) << k.x << "," << k.y;
        EXPECT_EQ(Pixel(*normal, cx, k.y), caseColour) << k.x << "," << k.y;
        EXPECT_EQ(Pixel(*normal, cx, k.y + k.h - 1), caseColour) << k.x << "," << k.y;
        EXPECT_NE(Pixel(*normal, k.x + 2, cy), caseColour) << k.x << "," << k.y;
        EXPECT_NE(Pixel(*normal, k.x + k.w - 3, cy), caseColour) << k.x << "," << k.y;
    }
}

TEST(SkinImages, StatesOfAKeyAndOfABoxDiffer) {
    std::vector<uint32_t> faces;
    for (const wchar_t* state : {L"Normal", L"Disable", L"Over", L"Selected"}) {
        const auto image = Load(std::wstring(L"Setting_") + state + L".bmp");
        faces.push_back(Pixel(*image, 75, 60));  // inside Esc, near its edge
    }
    for (std::size_t i = 0; i < faces.size(); ++i)
        for (std::size_t j = i + 1; j < faces.size(); ++j) EXPECT_NE(faces[i], faces[j]) << i << " vs " << j;

    // The Record Time box of the macro page: ticked and unticked differ.
    const auto plain = Load(L"Macro_Normal.bmp");
    const auto ticked = Load(L"Macro_Selected.bmp");
    bool differs = false;
    for (int y = 258; y < 282; ++y)
        for (int x = 380; x < 400; ++x) differs |= Pixel(*plain, x, y) != Pixel(*ticked, x, y);
    EXPECT_TRUE(differs);
}

TEST(SkinImages, SingleImagesHaveTheirCellLayouts) {
    const auto button = Load(L"MacroButton.bmp");
    const auto indicator = Load(L"MacroIndicator.bmp");
    const auto list = Load(L"listback.bmp");
    const auto bar = Load(L"scrollbar.bmp");
    const auto thumb = Load(L"SliderThumb.bmp");
    for (const auto& image : {button, indicator, list, bar, thumb}) ASSERT_TRUE(HasImage(image.get()));
    EXPECT_EQ(button->GetWidth() % 4, 0u);
    EXPECT_EQ(button->GetHeight() % 4, 0u);
    EXPECT_EQ(indicator->GetWidth() % 3, 0u);
    EXPECT_EQ(indicator->GetHeight() % 3, 0u);
    EXPECT_EQ(list->GetHeight() % 7, 0u);
    EXPECT_EQ(bar->GetWidth() % 4, 0u);
    EXPECT_EQ(thumb->GetHeight() % 4, 0u);
    // Normal and hovered rows of the row buttons differ.
    const int cell = static_cast<int>(button->GetHeight()) / 4;
    EXPECT_NE(Pixel(*button, 1, cell / 2), Pixel(*button, 1, 2 * cell + cell / 2));
}
