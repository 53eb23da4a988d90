#include "skin/SkinCheckBox.h"

CSkinCheckBox::CSkinCheckBox() : indent_(20) { SetTextFlags(kTextMiddle); }

void CSkinCheckBox::OnSkinInit() { ModifyStyle(0, BS_OWNERDRAW | BS_NOTIFY); }

LRESULT CSkinCheckBox::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case BM_GETCHECK:
        return ticked_;
    case BM_SETCHECK:
        // Shown at the next repaint, as the system's own owner-drawn
        // buttons do.
        SetTicked(static_cast<int>(wp));
        break;
    }
    return CSkinControl<CButton>::WindowProc(msg, wp, lp);
}

void CSkinCheckBox::OnClicked() {
    SetTicked(!ticked_);
    Invalidate(false);
}

void CSkinCheckBox::SetTicked(int ticked) {
    if (ticked == ticked_) return;
    ticked_ = ticked;
    NotifyAccessible(EVENT_OBJECT_STATECHANGE);
}

void CSkinCheckBox::DrawItem(const DRAWITEMSTRUCT& item) {
    const bool disabled = item.itemState & ODS_DISABLED;
    Gdiplus::Graphics graphics(item.hDC);
    const RECT& r = item.rcItem;
    DrawSlice(graphics, CheckBoxSlice(ticked_, disabled, IsHovering()), r);
    if (const auto span = CheckBoxTextSpan(r.right - r.left, ScaleLength(indent_, SkinDpi()))) {
        const RECT text{r.left + span->from, r.top, r.left + span->to, r.bottom};
        DrawCaption(graphics, text, CheckBoxTextState(ticked_, disabled, IsHovering()));
    }
    DrawFocusMark(graphics, GetSafeHwnd(), r);
}
