#include "ui/KeyHintRules.h"

#include "geometry/DpiScale.h"

bool CKeyHintRules::ShowFor(int keyCode) {
    if (remembered_ == keyCode) return false;
    remembered_ = keyCode;
    return true;
}

bool CKeyHintRules::Forget() {
    if (!remembered_) return false;
    remembered_.reset();
    return true;
}

// Integer division truncates toward zero, as the placement asks for a hint
// narrower than its key as well.
PixelPoint HintPosition(const PixelRect& key, int hintWidth, int hintHeight, int dpi) {
    return {key.x + (key.width - hintWidth) / 2, key.y - hintHeight + ScaleLength(2, dpi)};
}
