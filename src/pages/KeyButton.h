#pragma once
// A key of the keyboard page's picture: a skinned push button without an
// image of its own (it shows the page's image under it) that knows the key
// code of its key.
//
// The keys are one tab stop: the key that last had the focus holds it (Esc
// at first), and the arrow keys move the focus among the keys by their
// places on the picture. The page hears of a key taking the focus
// (BN_SETFOCUS), so that the key hint can follow it.
#include "skin/SkinButton.h"

class CKeyButton : public CSkinButton {
public:
    int keyCode = 0;

protected:
    void OnSkinInit() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // Moves the focus to the key an arrow leads to; false for other keys.
    bool OnArrow(WPARAM vk) const;
    // Only this key of the picture is a tab stop.
    void TakeTabStop() const;
};
