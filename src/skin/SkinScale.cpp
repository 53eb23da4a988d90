#include "skin/SkinScale.h"

#include <map>
#include <memory>
#include <utility>

#include "geometry/DpiScale.h"
#include "geometry/SkinImageSet.h"

namespace {
std::wstring SetFile(const std::wstring& path, int setDpi) {
    const std::u16string file = SkinSetPath(std::u16string(path.begin(), path.end()), setDpi);
    return std::wstring(file.begin(), file.end());
}
}  // namespace

DrawnImage LoadSetImage(const std::wstring& path, int dpi) {
    const int set = SkinSetDpi(dpi);
    if (set != kBaseDpi)
        if (SharedBitmap image = LoadSkinBitmap(SetFile(path, set)); HasImage(image.get())) return {image, set};
    return {LoadSkinBitmap(path), kBaseDpi};
}

SharedBitmap LoadSkinImage(const std::wstring& path, int dpi, SkinGrid grid) {
    if (dpi == SkinSetDpi(dpi)) {
        DrawnImage drawn = LoadSetImage(path, dpi);
        if (drawn.dpi == dpi) return drawn.image;
    }
    // Weak slots, as LoadSkinBitmap's: one entry per file and DPI in use.
    static std::map<std::pair<std::wstring, int>, std::weak_ptr<Gdiplus::Bitmap>> resized;
    std::weak_ptr<Gdiplus::Bitmap>& slot = resized[{path, dpi}];
    if (SharedBitmap image = slot.lock()) return image;
    const DrawnImage drawn = LoadSetImage(path, dpi);
    SharedBitmap image = ScaledImage(*drawn.image, grid, drawn.dpi, dpi);
    if (!image) return drawn.image;  // no image data: drawing from it fails silently
    slot = image;
    return image;
}

SharedBitmap ScaledImage(Gdiplus::Bitmap& source, SkinGrid grid, int fromDpi, int dpi) {
    if (!HasImage(&source)) return nullptr;
    const std::vector<CellCopy> cells = ScaleGridCells(static_cast<int>(source.GetWidth()),
                                                       static_cast<int>(source.GetHeight()), grid.columns, grid.rows,
                                                       fromDpi, dpi);
    if (cells.empty()) return nullptr;
    const PixelRect& last = cells.back().dest;
    auto scaled = std::make_shared<Gdiplus::Bitmap>(last.x + last.width, last.y + last.height, PixelFormat32bppARGB);
    Gdiplus::Graphics graphics(scaled.get());
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    Gdiplus::ImageAttributes edges;
    edges.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
    for (const CellCopy& cell : cells) {
        const PixelRect& s = cell.source;
        // A cell of its own, so that filtering never reaches a neighbour.
        std::unique_ptr<Gdiplus::Bitmap> piece;
        if (cells.size() > 1) piece.reset(source.Clone(s.x, s.y, s.width, s.height, PixelFormat32bppARGB));
        Gdiplus::Bitmap* from = cells.size() > 1 ? piece.get() : &source;
        if (!from) continue;
        graphics.DrawImage(from, Gdiplus::Rect(cell.dest.x, cell.dest.y, cell.dest.width, cell.dest.height), 0, 0,
                           s.width, s.height, Gdiplus::UnitPixel, &edges);
    }
    return scaled;
}
