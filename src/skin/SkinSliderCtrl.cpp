#include "skin/SkinSliderCtrl.h"

#include <windowsx.h>

#include <optional>

#include "skin/SkinScale.h"

namespace {
constexpr int kThumbCells = 4;

std::optional<SliderKey> KeyOf(WPARAM vk) {
    switch (vk) {
    case VK_PRIOR: return SliderKey::PageUp;
    case VK_NEXT: return SliderKey::PageDown;
    case VK_END: return SliderKey::End;
    case VK_HOME: return SliderKey::Home;
    case VK_LEFT: return SliderKey::Left;
    case VK_UP: return SliderKey::Up;
    case VK_RIGHT: return SliderKey::Right;
    case VK_DOWN: return SliderKey::Down;
    }
    return std::nullopt;
}

POINT PointOf(LPARAM lp) { return {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}; }
}  // namespace

void CSkinSliderCtrl::LoadThumb() {
    image_ = LoadSkinImage(L".\\res\\SliderThumb.bmp", SkinDpi(), {1, kThumbCells});
    thumbWidth_ = HasImage(image_.get()) ? static_cast<int>(image_->GetWidth()) : 0;
    thumbHeight_ = HasImage(image_.get()) ? static_cast<int>(image_->GetHeight()) / kThumbCells : 0;
}

void CSkinSliderCtrl::FitTo(const RECT& track) {
    track_ = track;
    const int dpi = SkinDpi();
    const EdgeRect r = FitSlider({ScaleLength(track.left, dpi), ScaleLength(track.top, dpi),
                                  ScaleLength(track.right, dpi), ScaleLength(track.bottom, dpi)},
                                 Thumb(), Vertical());
    Move(r.left, r.top, r.right - r.left, r.bottom - r.top);
    UpdateChannel();
    const RECT client = ClientRect();
    thumb_ = Vertical() ? RECT{(client.right - thumbWidth_) / 2, 0, 0, thumbHeight_}
                        : RECT{0, (client.bottom - thumbHeight_) / 2, thumbWidth_, 0};
    if (Vertical())
        thumb_.right = thumb_.left + thumbWidth_;
    else
        thumb_.bottom = thumb_.top + thumbHeight_;
}

void CSkinSliderCtrl::UpdateChannel() {
    const RECT client = ClientRect();
    channel_ = SliderChannel(Vertical() ? client.bottom : client.right, Thumb(), Vertical());
}

void CSkinSliderCtrl::PlaceThumb(int v) {
    const RECT client = ClientRect();
    const PixelRect t = SliderThumbRect(v, Range(), channel_, Thumb(), client.right, client.bottom, Vertical());
    thumb_ = RECT{t.x, t.y, t.x + t.width, t.y + t.height};
}

void CSkinSliderCtrl::SetPos(int v) {
    Send(TBM_SETPOS, TRUE, ClampToRange(v, Range()));
    PostMessageW(Parent(), Vertical() ? WM_VSCROLL : WM_HSCROLL, SB_ENDSCROLL,
                 reinterpret_cast<LPARAM>(GetSafeHwnd()));
    Invalidate(false);
}

LRESULT CSkinSliderCtrl::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case TBM_SETPOS: {
        // However the position is set, the thumb follows it.
        const LRESULT result = CSkinControl<CSliderCtrl>::WindowProc(msg, wp, lp);
        PlaceThumb(GetPos());
        NotifyAccessible(EVENT_OBJECT_VALUECHANGE);
        return result;
    }
    case WM_SIZE: UpdateChannel(); break;
    case WM_DPICHANGED_AFTERPARENT:
        LoadThumb();
        FitTo(track_);
        PlaceThumb(GetPos());
        Invalidate(false);
        break;
    case WM_ENABLE: Invalidate(false); break;  // track and thumb change their look
    case WM_TIMER:
        // The hover timer also ends the thumb's hover when no leave notice
        // comes (the cursor jumped away).
        UpdateThumbHover();
        break;
    case WM_PAINT: Paint(); return 0;
    case WM_LBUTTONDOWN: OnButtonDown(PointOf(lp)); return 0;
    case WM_LBUTTONUP:
        if (dragging_) {
            dragging_ = false;
            ReleaseCapture();
            RedrawThumb();
        }
        return 0;
    case WM_MOUSEMOVE: OnMouseMove(PointOf(lp)); break;  // then the hover tracking of every control
    case WM_MOUSELEAVE:
        tracking_ = false;
        thumbHovered_ = false;
        RedrawThumb();
        return 0;
    case WM_MOUSEWHEEL:
        SetPos(SliderWheelTarget(GetPos(), GET_WHEEL_DELTA_WPARAM(wp)));
        UpdateThumbHover();
        return 1;
    case WM_KEYDOWN: OnKey(wp); return 0;
    }
    return CSkinControl<CSliderCtrl>::WindowProc(msg, wp, lp);
}

void CSkinSliderCtrl::Paint() {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(GetSafeHwnd(), &ps);
    {
        Gdiplus::Graphics graphics(dc);
        const bool disabled = !IsEnabled();
        DrawSlice(graphics, disabled ? SkinState::Disable : SkinState::Normal, ClientRect());
        if (HasImage(image_.get())) {
            const PixelRect cell = StripCell(StripRow(disabled, dragging_, thumbHovered_), thumbWidth_, thumbHeight_);
            graphics.DrawImage(image_.get(), static_cast<INT>(thumb_.left), static_cast<INT>(thumb_.top), cell.x,
                               cell.y, cell.width, cell.height, Gdiplus::UnitPixel);
        }
        DrawFocusMark(graphics, GetSafeHwnd(), ClientRect());
    }
    EndPaint(GetSafeHwnd(), &ps);
}

void CSkinSliderCtrl::OnButtonDown(POINT at) {
    // A clicked slider takes the focus, so its keys work as a trackbar's do.
    SetFocus(GetSafeHwnd());
    if (!PtInRect(&thumb_, at)) {
        JumpTo(at);
        return;
    }
    dragging_ = true;
    SetCapture(GetSafeHwnd());
    RedrawThumb();
}

void CSkinSliderCtrl::OnMouseMove(POINT at) {
    if (dragging_) {
        JumpTo(at);
        return;
    }
    const bool inThumb = PtInRect(&thumb_, at) != 0;
    if (inThumb == thumbHovered_) return;
    if (inThumb && !tracking_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, GetSafeHwnd(), 100};
        tracking_ = TrackMouseEvent(&track) != 0;
    }
    thumbHovered_ = inThumb;
    RedrawThumb();
}

void CSkinSliderCtrl::JumpTo(POINT at) {
    const std::optional<int> v = SliderValueAt(Vertical() ? at.y : at.x, Range(), channel_);
    if (!v || *v == GetPos()) return;
    RedrawThumb();  // where it was
    SetPos(*v);
}

void CSkinSliderCtrl::OnKey(WPARAM vk) {
    const std::optional<SliderKey> key = KeyOf(vk);
    if (!key) return;
    SetPos(SliderKeyTarget(*key, GetPos(), Range(), GetPageSize(), GetLineSize()));
    UpdateThumbHover();
}

void CSkinSliderCtrl::UpdateThumbHover() {
    POINT at = MessagePos();
    ScreenToClient(GetSafeHwnd(), &at);
    const bool inThumb = PtInRect(&thumb_, at) != 0;
    if (inThumb == thumbHovered_) return;
    thumbHovered_ = inThumb;
    RedrawThumb();
}
