#pragma once
// A trackbar drawn from the skin parent's state images (its Normal or
// Disable slice as the track) and a thumb image ".\res\SliderThumb.bmp", a
// vertical strip of four cells: normal, disabled, hovered, dragged. The
// thumb's centre runs along a channel half a thumb plus one pixel short of
// each end. Clicks, drags, the wheel (one step per notch, up = larger) and
// the keys move it through SetPos, which clamps to the range and posts
// SB_ENDSCROLL to the parent (WM_HSCROLL, or WM_VSCROLL for a vertical
// slider) every time.
#include "framework/SliderCtrl.h"
#include "skin/SkinBitmap.h"
#include "skin/SkinControl.h"
#include "geometry/SliderLayout.h"

class CSkinSliderCtrl : public CSkinControl<CSliderCtrl> {
public:
    // Loads the thumb image for the skin parent's DPI; the owner calls this
    // after creation.
    void LoadThumb();
    // Places the window around a track given by its edges (in the parent's
    // coordinates at 96 DPI, scaled to its DPI): thick enough for the thumb
    // and long enough for the thumb's centre to reach both ends. The thumb
    // goes to pixel 0. On a change of DPI thumb and window follow.
    void FitTo(const RECT& track);
    // Clamps v to the range, moves there, notifies the parent and redraws.
    void SetPos(int v);

    RECT ThumbRect() const { return thumb_; }
    // Named by its window text (the label beside it); its value is the level.
    std::optional<AccessibleFacts> Accessible() const override {
        return AccessibleFacts{AccessibleName(), ROLE_SYSTEM_SLIDER, false, std::to_wstring(GetPos())};
    }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool Vertical() const { return (Style() & TBS_VERT) != 0; }
    ThumbSize Thumb() const { return {thumbWidth_, thumbHeight_}; }
    SliderRange Range() const { return {GetRangeMin(), GetRangeMax()}; }
    void UpdateChannel();
    void PlaceThumb(int v);
    void RedrawThumb() const { InvalidateRect(GetSafeHwnd(), &thumb_, FALSE); }
    void Paint();
    void OnButtonDown(POINT at);
    void OnMouseMove(POINT at);
    void OnKey(WPARAM vk);
    void JumpTo(POINT at);
    // The thumb-hovered flag from the cursor of the message being handled.
    void UpdateThumbHover();

    SharedBitmap image_;
    RECT track_{};  // at 96 DPI
    RECT thumb_{};
    int thumbWidth_ = 0;
    int thumbHeight_ = 0;
    Channel channel_{0, 0};
    bool thumbHovered_ = false;
    bool dragging_ = false;
    bool tracking_ = false;
};
