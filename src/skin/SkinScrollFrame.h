#pragma once
// The container that every skinned edit and list box lives in. The frame
// takes the control's place (same parent, id and rectangle), moves the
// control into a clipping "BORDER" child window, and shows two skin scroll
// bars where the control's own ones are: the control keeps only the skin
// bars' thickness for its own bars, and those pixels fall outside the border
// window, so they are clipped away. The skin bars follow the control's
// scroll state (at every background erase of the control, after every step
// they send, and every 500 ms), and their clicks are sent on to the control
// as WM_VSCROLL / WM_HSCROLL with lParam 0.
//
// Hovering over the frame or the control shows in the control: the frame
// posts WM_SKIN_HOVER (wParam 1 or 0, lParam 0) to it, and the control
// repaints its background. The frame's own face is the dialog's Normal,
// Over or Disable slice under it.
//
// For users of the hosted control:
// - Showing, hiding, enabling and disabling the control does the same to the
//   frame, and moving or sizing the control (in its dialog's coordinates, as
//   before it was hosted) moves or sizes the frame.
// - The frame carries the control's id, so GetDlgItem on the dialog finds
//   the frame; talk to the control through its object.
// - When the control's window is destroyed, the frame is undone first: the
//   control goes back to the dialog at the frame's place and the frame's
//   windows are destroyed.
#include <memory>

#include "skin/SkinControl.h"
#include "skin/SkinScrollBar.h"

class CSkinScrollFrame : public CSkinControl<CWnd> {
public:
    // Moves `control` into a new frame; null when it has no parent or the
    // frame cannot be created.
    static std::unique_ptr<CSkinScrollFrame> Host(CWnd& control);
    // Undoes the frame if it still hosts its control.
    ~CSkinScrollFrame() override;

    const CSkinScrollBar& VerticalBar() const { return vertical_; }
    const CSkinScrollBar& HorizontalBar() const { return horizontal_; }
    HWND BorderWindow() const { return border_.GetSafeHwnd(); }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnHoverChanged(bool hovering) override;

private:
    CSkinScrollFrame() = default;
    bool Create(HWND control);
    static LRESULT CALLBACK HostedProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnHostedMessage(UINT msg, WPARAM wp, LPARAM lp);
    void OnHostedNcCalcSize(NCCALCSIZE_PARAMS& params);
    void PlaceBar(CSkinScrollBar& bar, const RECT& inBorder, bool shown) const;
    void RedirectMove(WINDOWPOS& pos);
    void Layout(bool leftVertical);
    void OnBarScroll(UINT msg, WPARAM wp);
    // Gives the control's scroll state to the skin bars of its scroll bar
    // styles (all of it, or only what is out of step) and enables them.
    void SyncBars(bool onlyWhenChanged);
    void EraseFace(HDC dc);
    // Gives the control back its procedure; with `toParent`, also its place
    // in the dialog, and destroys the frame's windows.
    void Release(bool toParent);
    // Moves the hosted control, with the frame's own moves let through.
    void PlaceControl(int x, int y, int width, int height, UINT flags);

    CWnd border_;
    int borderWidth_ = 0;
    CSkinScrollBar horizontal_;
    CSkinScrollBar vertical_;
    bool busy_ = false;     // the frame is causing messages to the control
    bool placing_ = false;  // the frame is moving the control itself
    WNDPROC previous_ = nullptr;
    HWND hosted_ = nullptr;
};
