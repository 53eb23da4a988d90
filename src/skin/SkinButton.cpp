#include "skin/SkinButton.h"

#include "geometry/SkinGeometry.h"

CSkinButton::CSkinButton() { SetTextFlags(kTextCentre | kTextMiddle); }

void CSkinButton::SetImage(Gdiplus::Bitmap& source, int w, int h, int column) {
    const PixelRect r = ImageColumn(column, w, static_cast<int>(source.GetHeight()));
    ownImage_.reset(source.Clone(r.x, r.y, r.width, r.height, source.GetPixelFormat()));
    cellWidth_ = w;
    cellHeight_ = h;
}

// A paint draws the face at once: the button class's own paint asks the
// parent for a brush and sends it WM_DRAWITEM, which comes back here, and
// with a hundred keys on a page those round trips cost more than the faces.
LRESULT CSkinButton::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_PAINT) return CSkinControl::WindowProc(msg, wp, lp);
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(GetSafeHwnd(), &paint);
    if (!dc) return 0;
    UINT state = IsWindowEnabled(GetSafeHwnd()) ? 0 : ODS_DISABLED;
    if (Send(BM_GETSTATE) & BST_PUSHED) state |= ODS_SELECTED;
    if (GetFocus() == GetSafeHwnd()) state |= ODS_FOCUS;
    DRAWITEMSTRUCT item{ODT_BUTTON, static_cast<UINT>(GetDlgCtrlID(GetSafeHwnd())), 0, ODA_DRAWENTIRE, state,
                        GetSafeHwnd(), dc, ClientRect(), 0};
    DrawItem(item);
    EndPaint(GetSafeHwnd(), &paint);
    return 0;
}

void CSkinButton::OnSkinInit() { ModifyStyle(0, BS_OWNERDRAW); }

void CSkinButton::DrawItem(const DRAWITEMSTRUCT& item) {
    const bool disabled = item.itemState & ODS_DISABLED;
    const bool pressed = item.itemState & ODS_SELECTED;
    const ButtonFace face = ChooseButtonFace(disabled, pressed, IsHovering());
    Gdiplus::Graphics graphics(item.hDC);
    const RECT& r = item.rcItem;
    if (HasImage(ownImage_.get())) {
        const PixelRect cell = StripCell(face.row, cellWidth_, cellHeight_);
        const Gdiplus::Rect dest(r.left, r.top, r.right - r.left, r.bottom - r.top);
        graphics.DrawImage(ownImage_.get(), dest, cell.x, cell.y, cell.width, cell.height, Gdiplus::UnitPixel);
    } else {
        DrawSlice(graphics, face.slice, r);
    }
    DrawCaption(graphics, r, ButtonTextState(disabled, pressed, IsHovering()));
    DrawFocusMark(graphics, GetSafeHwnd(), r);
}
