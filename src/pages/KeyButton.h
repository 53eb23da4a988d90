#pragma once
// A key of the keyboard page's picture: a skinned push button without an
// image of its own (it shows the page's image under it) that knows the key
// code of its key.
#include "skin/SkinButton.h"

class CKeyButton : public CSkinButton {
public:
    int keyCode = 0;
};
