#include "geometry/SkinGeometry.h"

PixelRect StripCell(int row, int w, int h) { return GridCell(0, row, w, h); }

PixelRect GridCell(int column, int row, int w, int h) { return {column * w, row * h, w, h}; }

PixelRect ImageColumn(int column, int w, int imageHeight) { return {column * w, 0, w, imageHeight}; }

std::vector<MaskRun> MaskRuns(const std::vector<uint32_t>& pixels, int width, int height) {
    std::vector<MaskRun> runs;
    if (width <= 0 || height <= 0 || pixels.size() < static_cast<std::size_t>(width) * height) return runs;
    auto white = [&](int x, int y) { return (pixels[static_cast<std::size_t>(y) * width + x] & 0xFFFFFF) == 0xFFFFFF; };
    for (int y = 0; y < height; ++y) {
        int x = 0;
        while (x < width) {
            while (x < width && white(x, y)) ++x;
            const int start = x;
            while (x < width && !white(x, y)) ++x;
            if (x > start) runs.push_back({y, start, x});
        }
    }
    return runs;
}
