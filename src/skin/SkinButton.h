#pragma once
// An owner-drawn push button. Its face is the slice of the skin parent's
// image for its state, or a cell of its own four-cell image strip when it
// has one (rows: normal, disabled, hovered, pressed); the text is centred.
#include "framework/Button.h"
#include "skin/SkinControl.h"

class CSkinButton : public CSkinControl<CButton> {
public:
    CSkinButton();
    // Own image: column `column` of `source`, cells w x h.
    void SetImage(Gdiplus::Bitmap& source, int w, int h, int column);
    std::optional<AccessibleFacts> Accessible() const override {
        return AccessibleFacts{AccessibleName(), ROLE_SYSTEM_PUSHBUTTON};
    }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnSkinInit() override;
    void DrawItem(const DRAWITEMSTRUCT& item) override;

private:
    SharedBitmap ownImage_;
    int cellWidth_ = 0;
    int cellHeight_ = 0;
};
