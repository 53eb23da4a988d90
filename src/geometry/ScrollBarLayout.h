#pragma once
// Geometry and decisions of the skinned scroll bar, along its long axis:
// where the arrows, page areas and thumb lie, which part a point hits, the
// position a thumb drag gives and when holding a part stops repeating.
// Coordinates are pixels from the bar's top (vertical) or left (horizontal).
#include <array>
#include <vector>

#include "geometry/SkinGeometry.h"

// The scroll codes a bar sends, which are also its part codes.
enum ScrollCode : int {
    kScrollNone = -1,
    kScrollLineUp = 0,
    kScrollLineDown = 1,
    kScrollPageUp = 2,
    kScrollPageDown = 3,
    kScrollThumbTrack = 5,
    kScrollEnd = 8,
};

// The scroll state a bar keeps, as the system's scroll information holds it.
struct ScrollRange {
    int min = 0;
    int max = 0;
    int page = 0;
    int pos = 0;
    int trackPos = 0;
    bool operator==(const ScrollRange&) const = default;
};

// [from, to) along the bar.
struct AxisSpan {
    int from;
    int to;
    int Length() const { return to - from; }
    bool Contains(int v) const { return v >= from && v < to; }
    bool operator==(const AxisSpan&) const = default;
};

struct ScrollBarLayout {
    // First arrow, page-up area, thumb, page-down area, second arrow: the
    // order of hit testing and painting.
    std::array<AxisSpan, 5> spans;
    // The span of a part code; an empty span for kScrollNone.
    AxisSpan Of(int part) const;
};

// The part codes in layout order.
inline constexpr std::array<int, 5> kScrollBarParts = {kScrollLineUp, kScrollPageUp, kScrollThumbTrack,
                                                       kScrollPageDown, kScrollLineDown};

// Lays out a bar `length` long whose arrows are `arrow` long. The thumb is
// proportional to the page, at least 8 pixels, and absent when the track is
// under 8 pixels or the page covers the whole range. The position is used
// as stored, without subtracting the minimum; the thumb never leaves the
// track.
ScrollBarLayout LayoutScrollBar(int length, int arrow, const ScrollRange& range);

// The part code under `along`, or kScrollNone.
int HitTestScrollBar(const ScrollBarLayout& layout, int along);

// The position a thumb drag gives: `offset` pixels along the bar since the
// drag began at `startPos`, clamped to the minimum and then to the highest
// position the page allows (span - page + 1).
int DragPosition(int length, int arrow, const ScrollRange& range, int offset, int startPos);

// Whether holding `part` stops repeating: an arrow at its end of the range,
// a page area once the thumb has come under the cursor.
bool RepeatStops(int part, const ScrollRange& range, bool cursorInThumb);

// The rectangle of a span across the full thickness; a horizontal bar swaps
// the two coordinates.
PixelRect SpanRect(const AxisSpan& span, int thickness, bool vertical);

// One piece of the three-slice thumb: source range along the thumb cell,
// destination range along the bar.
struct SliceCopy {
    AxisSpan source;
    AxisSpan dest;
    bool operator==(const SliceCopy&) const = default;
};
// The first and last 4 pixels of the cell go unscaled to the thumb's ends,
// the middle is stretched between them; empty pieces are left out, and
// there are none for a thumb under 1 pixel.
std::vector<SliceCopy> ThumbSlices(int cellLength, const AxisSpan& thumb);
