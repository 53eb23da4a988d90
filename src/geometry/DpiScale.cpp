#include "geometry/DpiScale.h"

#include <algorithm>
#include <cmath>

namespace {
int Valid(int dpi) { return dpi > 0 ? dpi : kBaseDpi; }
}  // namespace

int ScaleLength(int length, int dpi) {
    return static_cast<int>(std::lround(static_cast<double>(length) * Valid(dpi) / kBaseDpi));
}

PixelRect ScaleRect(const PixelRect& r, int dpi) {
    const int x = ScaleLength(r.x, dpi), y = ScaleLength(r.y, dpi);
    return {x, y, ScaleLength(r.x + r.width, dpi) - x, ScaleLength(r.y + r.height, dpi) - y};
}

float ScaleFontSize(float pixels, int dpi) { return pixels * static_cast<float>(Valid(dpi)) / kBaseDpi; }

int ScaleLengthFrom(int length, int fromDpi, int dpi) {
    const auto base = std::lround(static_cast<double>(length) * kBaseDpi / Valid(fromDpi));
    return ScaleLength(static_cast<int>(base), dpi);
}

std::vector<MaskRun> ScaleMaskRuns(const std::vector<MaskRun>& runs, int height, int dpi, int fromDpi) {
    dpi = Valid(dpi);
    fromDpi = Valid(fromDpi);
    std::vector<MaskRun> scaled;
    auto row = runs.begin();
    for (int y = 0; y < ScaleLengthFrom(height, fromDpi, dpi); ++y) {
        // The source row under the centre of this row.
        const int source = std::min(height - 1, (2 * y + 1) * fromDpi / (2 * dpi));
        row = std::lower_bound(row, runs.end(), source, [](const MaskRun& r, int v) { return r.y < v; });
        for (auto run = row; run != runs.end() && run->y == source; ++run) {
            const int x0 = ScaleLengthFrom(run->x0, fromDpi, dpi), x1 = ScaleLengthFrom(run->x1, fromDpi, dpi);
            if (x1 > x0) scaled.push_back({y, x0, x1});
        }
    }
    return scaled;
}
