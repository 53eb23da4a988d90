#include "geometry/ScrollBarLayout.h"

#include <algorithm>
#include <cstdint>

namespace {
constexpr int kMinThumb = 8;
constexpr int kThumbEnd = 4;  // unscaled pixels at each end of the thumb

// a * b / c without overflow; c must not be 0.
int Scale(int64_t a, int64_t b, int64_t c) { return static_cast<int>(a * b / c); }

// The highest position the page allows; the positions are 0..Highest.
int64_t Positions(const ScrollRange& r) {
    return static_cast<int64_t>(r.max) - r.min - r.page + 1;
}
int64_t SpanPlusOne(const ScrollRange& r) { return static_cast<int64_t>(r.max) - r.min + 1; }
}  // namespace

AxisSpan ScrollBarLayout::Of(int part) const {
    for (std::size_t i = 0; i < kScrollBarParts.size(); ++i)
        if (kScrollBarParts[i] == part) return spans[i];
    return {0, 0};
}

ScrollBarLayout LayoutScrollBar(int length, int arrow, const ScrollRange& range) {
    const int track = std::max(length - 2 * arrow, 0);
    const int64_t positions = Positions(range);
    // A page that covers the whole range, or more, leaves nothing to scroll.
    int thumb = 0;
    if (track >= kMinThumb && positions > 0)
        thumb = std::max(Scale(range.page, track, SpanPlusOne(range)), kMinThumb);
    if (length - 2 * arrow <= 0) arrow = length / 2;
    int offset = positions > 0 ? static_cast<int>(static_cast<int64_t>(range.pos) * (track - thumb) / positions)
                               : (track - thumb) / 2;
    offset = std::clamp(offset, 0, track - thumb);
    const int a = arrow, g = offset, t = thumb;
    return {{AxisSpan{0, a}, {a, a + g}, {a + g, a + g + t}, {a + g + t, length - a}, {length - a, length}}};
}

int HitTestScrollBar(const ScrollBarLayout& layout, int along) {
    for (std::size_t i = 0; i < kScrollBarParts.size(); ++i)
        if (layout.spans[i].Contains(along)) return kScrollBarParts[i];
    return kScrollNone;
}

int DragPosition(int length, int arrow, const ScrollRange& range, int offset, int startPos) {
    const int track = length - 2 * arrow;
    const int64_t spanPlusOne = SpanPlusOne(range);
    const int64_t usable = spanPlusOne > 0 ? track - static_cast<int64_t>(range.page) * track / spanPlusOne : 0;
    int64_t p = usable != 0 ? offset * Positions(range) / usable + startPos : 0;
    if (p < range.min) p = range.min;
    if (p > Positions(range)) p = Positions(range);
    return static_cast<int>(p);
}

bool RepeatStops(int part, const ScrollRange& range, bool cursorInThumb) {
    switch (part) {
    case kScrollLineUp: return range.pos <= range.min;
    // With a page, the last position is max - page + 1, which never equals
    // the maximum: the repeat stops there too.
    case kScrollLineDown: return range.pos >= range.max - std::max(range.page - 1, 0);
    case kScrollPageUp:
    case kScrollPageDown: return cursorInThumb;
    }
    return true;
}

PixelRect SpanRect(const AxisSpan& span, int thickness, bool vertical) {
    return vertical ? PixelRect{0, span.from, thickness, span.Length()}
                    : PixelRect{span.from, 0, span.Length(), thickness};
}

std::vector<SliceCopy> ThumbSlices(int cellLength, const AxisSpan& thumb) {
    std::vector<SliceCopy> slices;
    if (thumb.Length() < 1) return slices;
    const SliceCopy all[] = {
        {{0, kThumbEnd}, {thumb.from, thumb.from + kThumbEnd}},
        {{kThumbEnd, cellLength - kThumbEnd}, {thumb.from + kThumbEnd, thumb.to - kThumbEnd}},
        {{cellLength - kThumbEnd, cellLength}, {thumb.to - kThumbEnd, thumb.to}},
    };
    for (const SliceCopy& s : all)
        if (s.source.Length() > 0 && s.dest.Length() > 0) slices.push_back(s);
    return slices;
}
