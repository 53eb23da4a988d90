#pragma once
// The key hint without its window: which key it remembers, and where it
// stands. The keyboard page reports on each hover tick which key (if any)
// is under the pointer; a click on a key hides the hint but keeps the key,
// so the hint does not come back over the key just clicked until the
// pointer has left it.
//
// User-interface thread only.
#include <optional>

#include "geometry/SkinGeometry.h"

class CKeyHintRules {
public:
    // The pointer rests on `keyCode`: true when the hint is to be filled in
    // and shown for it (another key than the remembered one, or none).
    bool ShowFor(int keyCode);
    // The pointer is over no key: true when a key was remembered and the
    // hint is to hide.
    bool Forget();
    std::optional<int> Remembered() const { return remembered_; }

private:
    std::optional<int> remembered_;
};

struct PixelPoint {
    int x;
    int y;
    bool operator==(const PixelPoint&) const = default;
};

// The hint's top-left corner in screen pixels: centred above the key (an
// odd difference leaves the extra pixel on the right), overlapping its top
// edge by 2 pixels at 96 DPI, scaled to `dpi`. Not clipped to anything.
PixelPoint HintPosition(const PixelRect& key, int hintWidth, int hintHeight, int dpi);
