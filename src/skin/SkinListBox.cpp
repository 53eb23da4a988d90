#include "skin/SkinListBox.h"

#include "skin/SkinGdi.h"
#include "geometry/SkinGeometry.h"
#include "skin/SkinScale.h"

namespace {
// Band `band` of a seven-band image, as a bitmap of its own.
std::unique_ptr<Gdiplus::Bitmap> BandOf(Gdiplus::Bitmap* image, ListBand band, int itemHeight) {
    if (!HasImage(image) || itemHeight <= 0) return nullptr;
    const PixelRect r = StripCell(static_cast<int>(band), static_cast<int>(image->GetWidth()), itemHeight);
    return std::unique_ptr<Gdiplus::Bitmap>(image->Clone(r.x, r.y, r.width, r.height, image->GetPixelFormat()));
}
}  // namespace

// The base's hover tracking is off: the list tracks the pointer per row.
CSkinListBox::CSkinListBox() { SetHoverTracking(false); }

void CSkinListBox::LoadBackground() {
    background_ = LoadSkinImage(L".\\res\\listback.bmp", SkinDpi(), {1, kListBandCount});
    itemHeight_ = HasImage(background_.get()) ? ListItemHeight(static_cast<int>(background_->GetHeight())) : 0;
    if (GetSafeHwnd() && itemHeight_ > 0) SetItemHeight(itemHeight_);
}

void CSkinListBox::OnSkinInit() {
    RememberSkinParent();
    // The measure request of a template's list arrives before the list is
    // bound, so the row height is set here as well.
    if (itemHeight_ > 0) SetItemHeight(itemHeight_);
}

void CSkinListBox::SetBackgroundBrush(ListBackground source) {
    std::unique_ptr<Gdiplus::Bitmap> pattern;
    switch (source) {
    case ListBackground::ParentNormal:
        pattern = CutOwnSlice(SkinState::Normal);
        break;
    case ListBackground::ParentDisable:
        pattern = CutOwnSlice(SkinState::Disable);
        break;
    case ListBackground::ParentOver:
        pattern = CutOwnSlice(SkinState::Over);
        break;
    case ListBackground::OwnBackground:
        pattern = BandOf(background_.get(), ListBand::Background, itemHeight_);
        break;
    case ListBackground::OwnDisabled:
        pattern = BandOf(background_.get(), ListBand::Disabled, itemHeight_);
        break;
    }
    brush_ = pattern ? PatternBrushOf(*pattern) : UniqueGdiObject<HBRUSH>();
}

void CSkinListBox::OnDpiChanged() {
    if (background_) LoadBackground();
    brush_.Reset();
    Invalidate();
}

void CSkinListBox::RedrawNow() const {
    RedrawWindow(GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

LRESULT CSkinListBox::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND:
        // The list box erases with the brush of its control-colour request,
        // which is this list's background.
        return CallDefault(msg, wp, lp);
    case WM_MOUSEMOVE:
        OnMouseMove(POINT{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))});
        break;
    case WM_MOUSELEAVE:
        OnMouseLeave();
        break;
    case WM_SKIN_HOVER:
        SetHovering(wp != 0);
        SetBackgroundBrush(ListHoverBackgroundFor(useParentBackground_, wp != 0));
        RedrawNow();
        return 0;
    case WM_ENABLE: {
        const LRESULT result = CSkinContianerCtrl<CListBox>::WindowProc(msg, wp, lp);
        SetBackgroundBrush(ListBackgroundFor(useParentBackground_, wp != 0));
        RedrawNow();
        return result;
    }
    case WM_DPICHANGED_AFTERPARENT:
        OnDpiChanged();
        break;
    case WM_WINDOWPOSCHANGED:
        // Moved or resized: a brush cut from the parent is cut anew.
        if (useParentBackground_ &&
            (reinterpret_cast<const WINDOWPOS*>(lp)->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE))
            brush_.Reset();
        break;
    }
    return CSkinContianerCtrl<CListBox>::WindowProc(msg, wp, lp);
}

bool CSkinListBox::OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    switch (msg) {
    case WM_MEASUREITEM:
        if (itemHeight_ <= 0) return false;
        reinterpret_cast<MEASUREITEMSTRUCT*>(lp)->itemHeight = static_cast<UINT>(itemHeight_);
        *result = TRUE;
        return true;
    case WM_CTLCOLORLISTBOX:
        if (!brush_) SetBackgroundBrush(ListBackgroundFor(useParentBackground_, IsEnabled()));
        if (!brush_) return false;  // no image: the system's own colours
        *result = reinterpret_cast<LRESULT>(brush_.Get());
        return true;
    }
    return CSkinContianerCtrl<CListBox>::OnChildNotify(msg, wp, lp, result);
}

void CSkinListBox::DrawItem(const DRAWITEMSTRUCT& item) {
    if (static_cast<int>(item.itemID) < 0) return;
    const std::wstring text = GetText(static_cast<int>(item.itemID));
    if (text.empty()) return;
    const ListRowLook look = ChooseListRow(item.itemState & ODS_SELECTED, item.itemState & ODS_DISABLED,
                                           static_cast<int>(item.itemID) == hover_.Current());
    Gdiplus::Graphics graphics(item.hDC);
    const RECT& r = item.rcItem;
    if (HasImage(background_.get()) && itemHeight_ > 0) {
        const PixelRect band =
            StripCell(static_cast<int>(look.band), static_cast<int>(background_->GetWidth()), itemHeight_);
        RecordStatus(graphics.DrawImage(background_.get(), Gdiplus::Rect(r.left, r.top, r.right - r.left, r.bottom - r.top),
                                        band.x, band.y, band.width, band.height, Gdiplus::UnitPixel));
    }
    const Gdiplus::RectF from(static_cast<Gdiplus::REAL>(textOffset_), static_cast<Gdiplus::REAL>(r.top), 0, 0);
    DrawString(graphics, text, from, look.colour);
    if (item.itemState & ODS_FOCUS) DrawFocusMark(graphics, GetSafeHwnd(), r);
}

int CSkinListBox::RowAt(POINT client) const {
    const int row = ItemFromPoint(client);
    RECT rect{};
    if (row < 0 || !GetItemRect(row, &rect) || !PtInRect(&rect, client)) return ListHover::kNoRow;
    return row;
}

void CSkinListBox::OnMouseMove(POINT client) {
    if (!leaveArmed_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, GetSafeHwnd(), 100};
        leaveArmed_ = TrackMouseEvent(&track) != 0;
    }
    const auto change = hover_.Move(RowAt(client));
    if (!change) return;
    RedrawPreviousHover(change->previous);
    RECT rect{};
    if (change->current >= 0) GetItemRect(change->current, &rect);
    RefreshHover(rect);
}

void CSkinListBox::OnMouseLeave() {
    if (!KeepsHoverOnLeave()) RedrawPreviousHover(hover_.Leave());
    leaveArmed_ = false;
}

void CSkinListBox::RedrawPreviousHover(int previous) {
    RECT rect{};
    if (previous < 0 || !GetItemRect(previous, &rect)) return;
    RedrawWindow(GetSafeHwnd(), &rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CSkinListBox::RefreshHover(const RECT& rect) {
    if (hover_.Current() >= 0) InvalidateRect(GetSafeHwnd(), &rect, TRUE);
}
