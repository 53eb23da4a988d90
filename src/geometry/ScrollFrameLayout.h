#pragma once
// Geometry of the scroll frame that hosts a skinned edit or list box: how
// much room the control keeps for its own scroll bars (only the skin bars'
// thickness, so that they can be clipped away), where the skin bars go, and
// where the clipping border window and the control lie in the frame.
#include "geometry/ScrollBarLayout.h"
#include "geometry/SliderLayout.h"

// Which scroll bars the hosted control has, and on which side the vertical
// one is.
struct HostedBars {
    bool vertical;
    bool horizontal;
    bool leftVertical;
};

// The control's client rectangle as the frame adjusts it, and the places of
// the vertical and horizontal skin bars beside and under it, all in the
// coordinates of the control's parent.
struct HostedClient {
    EdgeRect client;
    EdgeRect verticalBar;
    EdgeRect horizontalBar;
};
// `client` is the system's client rectangle, which leaves `systemBar` pixels
// for each scroll bar; the frame gives back all but `thickness` of them.
HostedClient AdjustHostedClient(const EdgeRect& client, HostedBars bars, int systemBar, int thickness);

// The border window's rectangle in a frame of `width` x `height`, and the
// left edge of the control inside the border window, so that the control's
// own bars fall outside the border and are clipped.
struct FramePlacement {
    EdgeRect border;
    int controlLeft;
};
FramePlacement PlaceInFrame(int width, int height, int borderWidth, bool horizontalShown, bool verticalShown,
                            bool leftVertical, int horizontalThickness, int verticalThickness);

// A skin bar is enabled unless the page covers the range (max < page) or
// the control is disabled.
bool SkinBarEnabled(const ScrollRange& control, bool controlEnabled);

// Whether the bar's state differs from the control's in what the bar keeps
// (range, page, position); the track position alone does not count.
bool BarOutOfStep(const ScrollRange& bar, const ScrollRange& control);
