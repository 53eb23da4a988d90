#pragma once
// Geometry and decisions of the skinned slider: fitting its window around a
// track, the channel the thumb's centre runs along, the thumb's place for a
// value, the value under a click, and key and wheel steps. A vertical slider
// is the horizontal one with the axes swapped.
#include <optional>

#include "geometry/SkinGeometry.h"

// A rectangle by its edges; bottom - top may be negative as given.
struct EdgeRect {
    int left;
    int top;
    int right;
    int bottom;
    bool operator==(const EdgeRect&) const = default;
};

struct ThumbSize {
    int width;
    int height;
};

// The window rectangle for a slider whose track is `track`: at least as
// thick as the thumb (grown by (thumb - thickness) / 2 each side, at least
// 1 pixel) and longer by half a thumb plus one pixel at each end, so the
// thumb's centre reaches both ends of the track.
EdgeRect FitSlider(const EdgeRect& track, ThumbSize thumb, bool vertical);

// The channel of a client area `length` long: shortened at both ends by half
// a thumb plus one pixel. [from, to) along the slider.
struct Channel {
    int from;
    int to;
    int Length() const { return to - from; }
};
Channel SliderChannel(int length, ThumbSize thumb, bool vertical);

struct SliderRange {
    int min;
    int max;
};
// v clamped to the range: below the minimum the minimum, then above the
// maximum the maximum.
int ClampToRange(int v, const SliderRange& range);

// The thumb rectangle for value v in a client area `client` (width x
// height): its leading edge at (v - min) * channel length / (max - min) + 1,
// never below 0, and centred across.
PixelRect SliderThumbRect(int v, const SliderRange& range, const Channel& channel, ThumbSize thumb, int clientWidth,
                          int clientHeight, bool vertical);

// The value at `along` pixels on the slider: min + (max - min) * (along -
// channel start) / channel length. None when the channel has no length.
std::optional<int> SliderValueAt(int along, const SliderRange& range, const Channel& channel);

enum class SliderKey { PageUp, PageDown, End, Home, Left, Up, Right, Down };
// The value a key asks for (before clamping): Page Up and Page Down step by
// the page, Left/Up and Right/Down by the line, Home and End go to the ends.
int SliderKeyTarget(SliderKey key, int pos, const SliderRange& range, int pageSize, int lineSize);

// The value the wheel asks for: one step per notch of 120, up = larger.
int SliderWheelTarget(int pos, int wheelDelta);
