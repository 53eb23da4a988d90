#include "geometry/ScrollFrameLayout.h"

HostedClient AdjustHostedClient(const EdgeRect& client, HostedBars bars, int systemBar, int thickness) {
    EdgeRect c = client;
    const int giveBack = systemBar - thickness;
    if (bars.vertical) {
        if (bars.leftVertical)
            c.left -= giveBack;
        else
            c.right += giveBack;
    }
    if (bars.horizontal) c.bottom += giveBack;
    const EdgeRect vertical = bars.leftVertical ? EdgeRect{c.left - thickness, c.top, c.left, c.bottom}
                                                : EdgeRect{c.right, c.top, c.right + thickness, c.bottom};
    return {c, vertical, {c.left, c.bottom, c.right, c.bottom + thickness}};
}

FramePlacement PlaceInFrame(int width, int height, int borderWidth, bool horizontalShown, bool verticalShown,
                            bool leftVertical, int horizontalThickness, int verticalThickness) {
    const EdgeRect inner{borderWidth, borderWidth, width - borderWidth, height - borderWidth};
    EdgeRect r = inner;
    if (horizontalShown) r.bottom -= horizontalThickness;
    if (verticalShown) {
        if (leftVertical)
            r.left += verticalThickness;
        else
            r.right -= verticalThickness;
    }
    return {r, inner.left - r.left};
}

bool SkinBarEnabled(const ScrollRange& control, bool controlEnabled) {
    return controlEnabled && !(control.max < control.page);
}

bool BarOutOfStep(const ScrollRange& bar, const ScrollRange& control) {
    return bar.min != control.min || bar.max != control.max || bar.page != control.page || bar.pos != control.pos;
}
