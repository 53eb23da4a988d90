#pragma once
// A scroll bar drawn from the shared image ".\res\scrollbar.bmp" (in the
// set for its dialog's DPI): a 4 x 4 grid for a vertical bar (columns:
// first arrow, second arrow, thumb, track; rows: normal, disabled, hovered,
// pressed), each cell turned by 270 degrees for a horizontal bar. The cell
// width is the bar's thickness and the cell height its arrow length.
//
// It keeps its own scroll state: SBM_SETSCROLLINFO and SBM_GETSCROLLINFO
// (and so SetScrollInfo and GetScrollInfo) set and read it. It never moves
// itself: clicks, held buttons and thumb drags only send WM_VSCROLL or
// WM_HSCROLL to the parent (line, page and SB_THUMBTRACK with the track
// position; never SB_THUMBPOSITION or SB_ENDSCROLL), and the parent sets the
// new position back. Holding an arrow or a page area repeats after 500 ms
// every 100 ms until the end of the range or until the thumb is under the
// cursor.
#include "framework/ScrollBar.h"
#include "skin/SkinBitmap.h"
#include "geometry/ScrollBarLayout.h"

class CSkinScrollBar : public CScrollBar {
public:
    // The thickness the image gives (0 before the image is loaded).
    int Thickness() const { return thickness_; }
    const ScrollRange& Range() const { return range_; }
    // Takes the image, and so the thickness, for the DPI of the dialog
    // around the bar; its owner lays the bar out again.
    void LoadImageForDpi();

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void PreSubclassWindow() override;

private:
    void OnSkinInit();
    bool Vertical() const { return (Style() & SBS_VERT) != 0; }
    int Along(LPARAM lp) const;
    void Layout() { layout_ = LayoutScrollBar(length_, arrow_, range_); }
    void Notify(int part) const;
    void RedrawPart(int part) const;
    void Paint();
    void SetInfo(const SCROLLINFO& info, bool redraw);
    void GetInfo(SCROLLINFO& info) const;
    void OnButtonDown(LPARAM lp);
    void OnButtonUp();
    void OnMouseMove(WPARAM wp, LPARAM lp);
    void OnMouseLeave();
    void OnRepeat();

    SharedBitmap image_;
    int thickness_ = 0;
    int length_ = 0;
    int arrow_ = 0;
    ScrollRange range_;
    ScrollBarLayout layout_{};
    int pressed_ = kScrollNone;
    bool dragging_ = false;
    bool tracking_ = false;
    int dragStart_ = 0;  // cursor along the bar
    int dragStartPos_ = 0;
    int hovered_ = kScrollNone;
};
