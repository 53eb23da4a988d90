#include "skin/SkinScrollFrame.h"

#include <windowsx.h>

#include <utility>

#include "skin/SkinMessages.h"
#include "geometry/ScrollFrameLayout.h"

namespace {
constexpr UINT_PTR kSyncTimer = 300;
constexpr UINT kSyncMs = 500;
constexpr UINT kBorderId = 200;
constexpr UINT kHorizontalId = 101;
constexpr UINT kVerticalId = 102;
constexpr DWORD kBorderStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
constexpr DWORD kToolFrameExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;

// A plain window class for the frame and its border window.
const wchar_t* FrameClass() {
    static const wchar_t* const name = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = L"QornSkinScrollFrame";
        RegisterClassW(&wc);
        return wc.lpszClassName;
    }();
    return name;
}

// Sets a flag for the lifetime of the scope.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag), saved_(std::exchange(flag, true)) {}
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;
    ~FlagScope() { flag_ = saved_; }

private:
    bool& flag_;
    bool saved_;
};

EdgeRect ToEdge(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT WinRect(const EdgeRect& r) { return {r.left, r.top, r.right, r.bottom}; }

SCROLLINFO ReadScrollInfo(HWND control, int which) {
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(control, which, &info);
    return info;
}

ScrollRange RangeOf(const SCROLLINFO& info) {
    return {info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos, info.nTrackPos};
}

bool Shown(const CWnd& wnd) { return (wnd.Style() & WS_VISIBLE) != 0; }

// A window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return r;
}
}  // namespace

std::unique_ptr<CSkinScrollFrame> CSkinScrollFrame::Host(CWnd& control) {
    std::unique_ptr<CSkinScrollFrame> frame(new CSkinScrollFrame);
    if (!frame->Create(control.GetSafeHwnd())) return nullptr;
    return frame;
}

CSkinScrollFrame::~CSkinScrollFrame() {
    if (hosted_) Release(true);
}

bool CSkinScrollFrame::Create(HWND control) {
    HWND parent = GetParent(control);
    if (!control || !parent) return false;
    const RECT outer = RectInParent(control);
    RECT inner = outer;
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_EXSTYLE));
    if (style & WS_BORDER) {
        SetWindowLongPtrW(control, GWL_STYLE, style & ~WS_BORDER);
        InflateRect(&inner, -GetSystemMetrics(SM_CXBORDER), -GetSystemMetrics(SM_CXBORDER));
    }
    if (exStyle & WS_EX_CLIENTEDGE) {
        SetWindowLongPtrW(control, GWL_EXSTYLE, exStyle & ~WS_EX_CLIENTEDGE);
        InflateRect(&inner, -GetSystemMetrics(SM_CXEDGE), -GetSystemMetrics(SM_CXEDGE));
    }
    RECT frameRect = outer;
    InflateRect(&frameRect, borderWidth_, borderWidth_);
    // Control parent: the dialog's Tab and arrow keys reach the control.
    const DWORD frameExStyle = ((exStyle & WS_EX_TOOLWINDOW) ? kToolFrameExStyle : 0) | WS_EX_CONTROLPARENT;
    const DWORD frameStyle = WS_CHILD | WS_CLIPCHILDREN | (style & (WS_VISIBLE | WS_DISABLED));
    if (!CreateEx(frameExStyle, FrameClass(), L"SkinScrollFrame", frameStyle, frameRect, parent,
                  static_cast<UINT>(GetDlgCtrlID(control))))
        return false;
    // The frame takes the control's place in the tab order.
    SetWindowPos(GetSafeHwnd(), control, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RECT client = ClientRect();
    InflateRect(&client, -borderWidth_, -borderWidth_);
    if (!border_.CreateEx(WS_EX_CONTROLPARENT, FrameClass(), L"BORDER", kBorderStyle, client, GetSafeHwnd(),
                          kBorderId) ||
        !horizontal_.CreateEx(0, L"SCROLLBAR", L"", WS_CHILD, RECT{}, GetSafeHwnd(), kHorizontalId) ||
        !vertical_.CreateEx(0, L"SCROLLBAR", L"", WS_CHILD | SBS_VERT, RECT{}, GetSafeHwnd(), kVerticalId))
        return false;
    SetParent(control, border_.GetSafeHwnd());
    SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    hosted_ = control;
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CSkinScrollFrame::HostedProc)));
    PlaceControl(0, 0, inner.right - inner.left, inner.bottom - inner.top, SWP_FRAMECHANGED);
    SetTimer(GetSafeHwnd(), kSyncTimer, kSyncMs, nullptr);
    return true;
}

void CSkinScrollFrame::PlaceControl(int x, int y, int width, int height, UINT flags) {
    const FlagScope placing(placing_);
    SetWindowPos(hosted_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE | flags);
}

void CSkinScrollFrame::Release(bool toParent) {
    HWND control = std::exchange(hosted_, nullptr);
    KillTimer(GetSafeHwnd(), kSyncTimer);
    SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    SetWindowLongPtrW(control, GWLP_USERDATA, 0);
    if (!toParent) return;
    RECT r = RectInParent(GetSafeHwnd());
    InflateRect(&r, -borderWidth_, -borderWidth_);
    SetParent(control, Parent());
    SetWindowPos(control, GetSafeHwnd(), r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOACTIVATE);
    DestroyWindow();
}

LRESULT CALLBACK CSkinScrollFrame::HostedProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* frame = reinterpret_cast<CSkinScrollFrame*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return frame->OnHostedMessage(msg, wp, lp);
}

LRESULT CSkinScrollFrame::OnHostedMessage(UINT msg, WPARAM wp, LPARAM lp) {
    HWND control = hosted_;
    const WNDPROC previous = previous_;
    if (msg == WM_DESTROY) {
        Release(true);
        return CallWindowProcW(previous, control, msg, wp, lp);
    }
    if (msg == WM_WINDOWPOSCHANGING && !busy_ && !placing_) RedirectMove(*reinterpret_cast<WINDOWPOS*>(lp));
    const LRESULT result = CallWindowProcW(previous, control, msg, wp, lp);
    // The control's client must never get back the room of its own bars.
    if (msg == WM_NCCALCSIZE && wp) OnHostedNcCalcSize(*reinterpret_cast<NCCALCSIZE_PARAMS*>(lp));
    if (busy_ || !hosted_) return result;
    switch (msg) {
    case WM_ERASEBKGND: SyncBars(false); break;
    case WM_SHOWWINDOW:
        if (lp == 0) {  // shown or hidden itself, not with a parent
            const FlagScope busy(busy_);
            Show(wp ? SW_SHOW : SW_HIDE);
        }
        break;
    case WM_ENABLE: {
        const FlagScope busy(busy_);
        Enable(wp != 0);
        horizontal_.Enable(wp != 0);
        vertical_.Enable(wp != 0);
        Invalidate();
        break;
    }
    case WM_MOUSEMOVE: {
        // The control covers the frame: its mouse moves are the frame's.
        POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        MapWindowPoints(control, GetSafeHwnd(), &at, 1);
        Send(WM_MOUSEMOVE, wp, MAKELPARAM(at.x, at.y));
        break;
    }
    }
    return result;
}

// A move or resize of the control, in the dialog's coordinates as before it
// was hosted, moves or resizes the frame instead; the frame then places the
// control inside itself.
void CSkinScrollFrame::RedirectMove(WINDOWPOS& pos) {
    if ((pos.flags & (SWP_NOMOVE | SWP_NOSIZE)) == (SWP_NOMOVE | SWP_NOSIZE)) return;
    const RECT now = RectInParent(GetSafeHwnd());
    const int x = (pos.flags & SWP_NOMOVE) ? now.left : pos.x - borderWidth_;
    const int y = (pos.flags & SWP_NOMOVE) ? now.top : pos.y - borderWidth_;
    const int width = (pos.flags & SWP_NOSIZE) ? now.right - now.left : pos.cx + 2 * borderWidth_;
    const int height = (pos.flags & SWP_NOSIZE) ? now.bottom - now.top : pos.cy + 2 * borderWidth_;
    pos.flags |= SWP_NOMOVE | SWP_NOSIZE;
    SetWindowPos(GetSafeHwnd(), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CSkinScrollFrame::OnHostedNcCalcSize(NCCALCSIZE_PARAMS& params) {
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hosted_, GWL_STYLE));
    const bool left = (GetWindowLongPtrW(hosted_, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
    const HostedBars bars{(style & WS_VSCROLL) != 0, (style & WS_HSCROLL) != 0, left};
    const HostedClient c =
        AdjustHostedClient(ToEdge(params.rgrc[0]), bars, GetSystemMetrics(SM_CXVSCROLL), vertical_.Thickness());
    params.rgrc[0] = WinRect(c.client);
    PlaceBar(vertical_, WinRect(c.verticalBar), bars.vertical);
    PlaceBar(horizontal_, WinRect(c.horizontalBar), bars.horizontal);
    Post(WM_SKIN_FRAMELAYOUT, bars.vertical, bars.leftVertical);
}

// `inBorder` is in the border window's coordinates, as the control's are.
void CSkinScrollFrame::PlaceBar(CSkinScrollBar& bar, const RECT& inBorder, bool shown) const {
    RECT r = inBorder;
    MapWindowPoints(border_.GetSafeHwnd(), GetSafeHwnd(), reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(bar.GetSafeHwnd(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | (shown ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void CSkinScrollFrame::Layout(bool leftVertical) {
    const FlagScope busy(busy_);
    const RECT client = ClientRect();
    const FramePlacement p = PlaceInFrame(client.right, client.bottom, borderWidth_, Shown(horizontal_),
                                          Shown(vertical_), leftVertical, horizontal_.Thickness(),
                                          vertical_.Thickness());
    border_.Move(p.border.left, p.border.top, p.border.right - p.border.left, p.border.bottom - p.border.top);
    PlaceControl(p.controlLeft, 0, 0, 0, SWP_NOSIZE);
    InvalidateRect(hosted_, nullptr, TRUE);
}

void CSkinScrollFrame::OnBarScroll(UINT msg, WPARAM wp) {
    {
        const FlagScope busy(busy_);
        SendMessageW(hosted_, msg, wp, 0);
    }
    if (LOWORD(wp) == SB_THUMBTRACK) return;
    const bool vertical = msg == WM_VSCROLL;
    SCROLLINFO info = ReadScrollInfo(hosted_, vertical ? SB_VERT : SB_HORZ);
    (vertical ? vertical_ : horizontal_).Send(SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&info));
}

void CSkinScrollFrame::SyncBars(bool onlyWhenChanged) {
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(hosted_, GWL_STYLE));
    const bool enabled = IsWindowEnabled(hosted_) != 0;
    const struct {
        CSkinScrollBar& bar;
        int which;
        DWORD flag;
    } bars[] = {{vertical_, SB_VERT, WS_VSCROLL}, {horizontal_, SB_HORZ, WS_HSCROLL}};
    for (const auto& b : bars) {
        if (!(style & b.flag)) continue;
        SCROLLINFO info = ReadScrollInfo(hosted_, b.which);
        if (!onlyWhenChanged || BarOutOfStep(b.bar.Range(), RangeOf(info)))
            b.bar.Send(SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&info));
        b.bar.Enable(SkinBarEnabled(RangeOf(info), enabled));
    }
}

void CSkinScrollFrame::EraseFace(HDC dc) {
    Gdiplus::Graphics graphics(dc);
    const SkinState state = !IsEnabled() ? SkinState::Disable : IsHovering() ? SkinState::Over : SkinState::Normal;
    DrawSlice(graphics, state, ClientRect());
}

void CSkinScrollFrame::OnHoverChanged(bool hovering) {
    if (hosted_) PostMessageW(hosted_, WM_SKIN_HOVER, hovering ? 1 : 0, 0);
}

LRESULT CSkinScrollFrame::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SKIN_FRAMELAYOUT:
        if (hosted_) Layout(lp != 0);
        return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
        if (hosted_ && (reinterpret_cast<HWND>(lp) == vertical_.GetSafeHwnd() ||
                        reinterpret_cast<HWND>(lp) == horizontal_.GetSafeHwnd())) {
            OnBarScroll(msg, wp);
            return 0;
        }
        break;
    case WM_TIMER: {
        const LRESULT result = CSkinControl<CWnd>::WindowProc(msg, wp, lp);  // the hover check first
        if (wp == kSyncTimer && hosted_) SyncBars(true);
        return result;
    }
    case WM_SIZE:
        if (hosted_ && lp != 0)
            PlaceControl(0, 0, LOWORD(lp) - 2 * borderWidth_, HIWORD(lp) - 2 * borderWidth_, 0);
        break;
    case WM_ERASEBKGND:
        if (border_.GetSafeHwnd()) EraseFace(reinterpret_cast<HDC>(wp));
        return 1;
    case WM_DPICHANGED_AFTERPARENT:
        // The bars take their thickness at the new DPI; the control's
        // frame, and with it the bars' places, are worked out again.
        if (!hosted_) break;
        vertical_.LoadImageForDpi();
        horizontal_.LoadImageForDpi();
        SetWindowPos(hosted_, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        break;
    case WM_DESTROY:
        // Destroyed with the dialog: the control goes down with the frame,
        // so it only gets its procedure back.
        if (hosted_) Release(false);
        break;
    }
    return CSkinControl<CWnd>::WindowProc(msg, wp, lp);
}
