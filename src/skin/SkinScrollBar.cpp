#include "skin/SkinScrollBar.h"

#include <memory>
#include <utility>

#include "framework/DialogEx.h"
#include "skin/SkinPaint.h"
#include "skin/SkinScale.h"
#include "ui/SkinState.h"

namespace {
constexpr UINT_PTR kFirstRepeatTimer = 100;
constexpr UINT_PTR kRepeatTimer = 200;
constexpr UINT kFirstRepeatMs = 500;
constexpr UINT kRepeatMs = 100;
constexpr int kGridCells = 4;

int ColumnOf(int part) {
    switch (part) {
    case kScrollLineUp: return 0;
    case kScrollLineDown: return 1;
    case kScrollThumbTrack: return 2;
    }
    return 3;  // page areas show the track
}

bool IsArrow(int part) { return part == kScrollLineUp || part == kScrollLineDown; }

Gdiplus::Rect ToGdiplus(const PixelRect& r) { return {r.x, r.y, r.width, r.height}; }
}  // namespace

void CSkinScrollBar::PreSubclassWindow() {
    CScrollBar::PreSubclassWindow();
    if (!IsCreating()) OnSkinInit();
}

void CSkinScrollBar::LoadImageForDpi() {
    // One copy for every bar at a DPI.
    image_ = LoadSkinImage(L".\\res\\scrollbar.bmp", LaidOutDpi(GetSafeHwnd()), {kGridCells, kGridCells});
    if (HasImage(image_.get())) {
        thickness_ = static_cast<int>(image_->GetWidth()) / kGridCells;
        arrow_ = static_cast<int>(image_->GetHeight()) / kGridCells;
    }
    Invalidate(false);
}

void CSkinScrollBar::OnSkinInit() {
    LoadImageForDpi();
    const RECT r = ClientRect();
    length_ = Vertical() ? r.bottom : r.right;
}

LRESULT CSkinScrollBar::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE: {
        const LRESULT result = CScrollBar::WindowProc(msg, wp, lp);
        if (result != -1) OnSkinInit();
        return result;
    }
    case WM_SIZE:
        length_ = Vertical() ? HIWORD(lp) : LOWORD(lp);
        Invalidate(false);
        return 0;
    case SBM_SETSCROLLINFO:
        SetInfo(*reinterpret_cast<const SCROLLINFO*>(lp), wp != 0);
        return 1;
    case SBM_GETSCROLLINFO:
        GetInfo(*reinterpret_cast<SCROLLINFO*>(lp));
        return 1;
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;  // the parts cover the whole bar
    case WM_ENABLE:
        // The system's own handling would draw its own bar over ours.
        Invalidate(false);
        return 0;
    case WM_LBUTTONDOWN: OnButtonDown(lp); return 0;
    case WM_LBUTTONUP: OnButtonUp(); return 0;
    case WM_LBUTTONDBLCLK:
        OnButtonDown(lp);
        OnButtonUp();
        return 0;
    case WM_MOUSEMOVE: OnMouseMove(wp, lp); return 0;
    case WM_MOUSELEAVE: OnMouseLeave(); return 0;
    case WM_TIMER:
        if (wp == kFirstRepeatTimer) {
            KillTimer(GetSafeHwnd(), kFirstRepeatTimer);
            SetTimer(GetSafeHwnd(), kRepeatTimer, kRepeatMs, nullptr);
        } else if (wp == kRepeatTimer) {
            OnRepeat();
        }
        return 0;
    }
    return CScrollBar::WindowProc(msg, wp, lp);
}

int CSkinScrollBar::Along(LPARAM lp) const {
    return Vertical() ? static_cast<short>(HIWORD(lp)) : static_cast<short>(LOWORD(lp));
}

void CSkinScrollBar::SetInfo(const SCROLLINFO& info, bool redraw) {
    if (info.fMask & SIF_PAGE) range_.page = static_cast<int>(info.nPage);
    if (info.fMask & SIF_POS) range_.pos = info.nPos;
    if (info.fMask & SIF_RANGE) {
        range_.min = info.nMin;
        range_.max = info.nMax;
    }
    if (!redraw) return;
    Layout();
    for (int part : {kScrollPageUp, kScrollThumbTrack, kScrollPageDown}) RedrawPart(part);
}

void CSkinScrollBar::GetInfo(SCROLLINFO& info) const {
    if (info.fMask & SIF_PAGE) info.nPage = static_cast<UINT>(range_.page);
    if (info.fMask & SIF_POS) info.nPos = range_.pos;
    if (info.fMask & SIF_TRACKPOS) info.nTrackPos = range_.trackPos;
    if (info.fMask & SIF_RANGE) {
        info.nMin = range_.min;
        info.nMax = range_.max;
    }
}

void CSkinScrollBar::Notify(int part) const {
    const WORD track = part == kScrollThumbTrack ? static_cast<WORD>(range_.trackPos) : 0;
    SendMessageW(Parent(), Vertical() ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(part, track),
                 reinterpret_cast<LPARAM>(GetSafeHwnd()));
}

// Invalidates a part and paints it at once; the paint picks its row.
void CSkinScrollBar::RedrawPart(int part) const {
    const AxisSpan span = layout_.Of(part);
    if (span.Length() <= 0) return;
    const PixelRect p = SpanRect(span, thickness_, Vertical());
    const RECT r{p.x, p.y, p.x + p.width, p.y + p.height};
    RedrawWindow(GetSafeHwnd(), &r, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

// Every part in the row of its state, so that a repaint keeps the hovered
// and pressed looks.
void CSkinScrollBar::Paint() {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(GetSafeHwnd(), &ps);
    Layout();
    if (HasImage(image_.get()) && thickness_ > 0 && arrow_ > 0) {
        Gdiplus::Graphics graphics(dc);
        graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
        graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
        const bool disabled = !IsEnabled();
        const bool vertical = Vertical();
        for (std::size_t i = 0; i < kScrollBarParts.size(); ++i) {
            const int part = kScrollBarParts[i];
            const AxisSpan span = layout_.spans[i];
            if (span.Length() <= 0) continue;
            const int row = StripRow(disabled, part == pressed_, part == hovered_);
            const PixelRect c = GridCell(ColumnOf(part), row, thickness_, arrow_);
            std::unique_ptr<Gdiplus::Bitmap> cell(image_->Clone(c.x, c.y, c.width, c.height, image_->GetPixelFormat()));
            if (!cell) continue;
            if (!vertical) cell->RotateFlip(Gdiplus::Rotate270FlipNone);
            if (part == kScrollThumbTrack) {
                for (const SliceCopy& s : ThumbSlices(arrow_, span))
                    DrawCellPiece(graphics, *cell, ToGdiplus(SpanRect(s.dest, thickness_, vertical)),
                                  ToGdiplus(SpanRect(s.source, thickness_, vertical)), false);
            } else {
                DrawCellPiece(graphics, *cell, ToGdiplus(SpanRect(span, thickness_, vertical)),
                              ToGdiplus(SpanRect({0, arrow_}, thickness_, vertical)), !IsArrow(part));
            }
        }
    }
    EndPaint(GetSafeHwnd(), &ps);
}

void CSkinScrollBar::OnButtonDown(LPARAM lp) {
    SetCapture(GetSafeHwnd());
    Layout();
    const int part = HitTestScrollBar(layout_, Along(lp));
    if (part == kScrollNone) return;
    pressed_ = part;
    if (part == kScrollThumbTrack) {
        dragStart_ = Along(lp);
        dragStartPos_ = range_.pos;
        range_.trackPos = range_.pos;
        dragging_ = true;
        RedrawPart(part);
        return;
    }
    Notify(part);
    RedrawPart(part);
    SetTimer(GetSafeHwnd(), kFirstRepeatTimer, kFirstRepeatMs, nullptr);
}

void CSkinScrollBar::OnRepeat() {
    bool cursorInThumb = false;
    if (pressed_ == kScrollPageUp || pressed_ == kScrollPageDown) {
        Layout();
        POINT cursor{};
        GetCursorPos(&cursor);
        ScreenToClient(GetSafeHwnd(), &cursor);
        cursorInThumb = layout_.Of(kScrollThumbTrack).Contains(Vertical() ? cursor.y : cursor.x);
    }
    if (RepeatStops(pressed_, range_, cursorInThumb))
        KillTimer(GetSafeHwnd(), kRepeatTimer);
    else
        Notify(pressed_);
}

void CSkinScrollBar::OnMouseMove(WPARAM wp, LPARAM lp) {
    if (!tracking_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, GetSafeHwnd(), 100};
        tracking_ = TrackMouseEvent(&track) != 0;
    }
    if (dragging_) {
        const int p = DragPosition(length_, arrow_, range_, Along(lp) - dragStart_, dragStartPos_);
        if (p == range_.trackPos) return;
        range_.trackPos = p;
        Notify(kScrollThumbTrack);
        return;
    }
    if (wp & MK_LBUTTON) return;
    Layout();
    const int part = HitTestScrollBar(layout_, Along(lp));
    if (part == hovered_) return;
    const int old = hovered_;
    hovered_ = part;
    RedrawPart(old);
    RedrawPart(part);
}

void CSkinScrollBar::OnMouseLeave() {
    tracking_ = false;
    const int old = hovered_;
    hovered_ = kScrollNone;
    RedrawPart(old);
}

void CSkinScrollBar::OnButtonUp() {
    ReleaseCapture();
    const int old = pressed_;
    if (dragging_) {
        dragging_ = false;
    } else {
        KillTimer(GetSafeHwnd(), kFirstRepeatTimer);
        KillTimer(GetSafeHwnd(), kRepeatTimer);
    }
    pressed_ = kScrollNone;
    const int oldHover = std::exchange(hovered_, kScrollNone);
    RedrawPart(old);
    RedrawPart(oldHover);
}
