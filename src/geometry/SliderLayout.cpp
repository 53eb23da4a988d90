#include "geometry/SliderLayout.h"

#include <algorithm>
#include <cstdint>

namespace {
// Grows [lo, hi) to at least `size` by (size - (hi - lo)) / 2 on each side,
// at least 1 pixel.
void GrowTo(int& lo, int& hi, int size) {
    if (hi - lo >= size) return;
    const int each = std::max((size - (hi - lo)) / 2, 1);
    lo -= each;
    hi += each;
}

int HalfThumbPlusOne(int thumbLength) { return thumbLength / 2 + 1; }
}  // namespace

EdgeRect FitSlider(const EdgeRect& track, ThumbSize thumb, bool vertical) {
    EdgeRect r = track;
    if (vertical) {
        GrowTo(r.left, r.right, thumb.width);
        r.top -= HalfThumbPlusOne(thumb.height);
        r.bottom += HalfThumbPlusOne(thumb.height);
    } else {
        GrowTo(r.top, r.bottom, thumb.height);
        r.left -= HalfThumbPlusOne(thumb.width);
        r.right += HalfThumbPlusOne(thumb.width);
    }
    return r;
}

Channel SliderChannel(int length, ThumbSize thumb, bool vertical) {
    const int end = HalfThumbPlusOne(vertical ? thumb.height : thumb.width);
    return {end, length - end};
}

int ClampToRange(int v, const SliderRange& range) {
    if (v < range.min) v = range.min;
    if (v > range.max) v = range.max;
    return v;
}

PixelRect SliderThumbRect(int v, const SliderRange& range, const Channel& channel, ThumbSize thumb, int clientWidth,
                          int clientHeight, bool vertical) {
    const int64_t span = static_cast<int64_t>(range.max) - range.min;
    // An empty range keeps the thumb at the start.
    const int lead =
        span > 0 ? static_cast<int>((static_cast<int64_t>(v) - range.min) * channel.Length() / span) + 1 : 1;
    const int along = std::max(lead, 0);
    if (vertical) return {(clientWidth - thumb.width) / 2, along, thumb.width, thumb.height};
    return {along, (clientHeight - thumb.height) / 2, thumb.width, thumb.height};
}

std::optional<int> SliderValueAt(int along, const SliderRange& range, const Channel& channel) {
    if (channel.Length() <= 0) return std::nullopt;
    const int64_t span = static_cast<int64_t>(range.max) - range.min;
    return static_cast<int>(range.min + span * (along - channel.from) / channel.Length());
}

int SliderKeyTarget(SliderKey key, int pos, const SliderRange& range, int pageSize, int lineSize) {
    switch (key) {
    case SliderKey::PageUp: return pos - pageSize;
    case SliderKey::PageDown: return pos + pageSize;
    case SliderKey::End: return range.max;
    case SliderKey::Home: return range.min;
    case SliderKey::Left:
    case SliderKey::Up: return pos - lineSize;
    case SliderKey::Right:
    case SliderKey::Down: return pos + lineSize;
    }
    return pos;
}

int SliderWheelTarget(int pos, int wheelDelta) { return pos + wheelDelta / 120; }
