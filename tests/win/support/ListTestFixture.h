#pragma once
// For tests of the skinned lists: the current folder is the built program's
// folder (dist\), where ".\res\listback.bmp" lies, and the colour of each
// band of that image is at hand.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "geometry/SkinList.h"

class ListTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // The colour (0x00RRGGBB) of a band, sampled at its right end, away from
    // any decoration at the left.
    uint32_t BandColour(ListBand band) const;
    // The row height of the image.
    int ItemHeight() const;

private:
    std::wstring savedFolder_;
};
