#include "skin/SkinStatic.h"

void CSkinStatic::OnSkinInit() { ModifyStyle(0, SS_OWNERDRAW); }

bool CSkinStatic::OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    if (msg != WM_DRAWITEM) return CSkinControl<CStatic>::OnChildNotify(msg, wp, lp, result);
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
    const SkinState state = item.itemState & ODS_DISABLED ? SkinState::Disable : SkinState::Normal;
    Gdiplus::Graphics graphics(item.hDC);
    DrawSlice(graphics, state, item.rcItem);
    DrawCaption(graphics, item.rcItem, state);
    *result = TRUE;
    return true;
}
