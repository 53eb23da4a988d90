#include "skin/SkinStatic.h"

void CSkinStatic::OnSkinInit() { ModifyStyle(0, SS_OWNERDRAW); }

void CSkinStatic::DrawItem(const DRAWITEMSTRUCT& item) {
    const SkinState state = item.itemState & ODS_DISABLED ? SkinState::Disable : SkinState::Normal;
    Gdiplus::Graphics graphics(item.hDC);
    DrawSlice(graphics, state, item.rcItem);
    DrawCaption(graphics, item.rcItem, state);
}
