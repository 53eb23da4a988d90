#include "skin/SkinScale.h"

#include "geometry/DpiScale.h"

SharedBitmap ScaledImage(Gdiplus::Bitmap& source, int dpi) {
    if (!HasImage(&source)) return nullptr;
    const int width = static_cast<int>(source.GetWidth()), height = static_cast<int>(source.GetHeight());
    auto scaled = std::make_shared<Gdiplus::Bitmap>(ScaleLength(width, dpi), ScaleLength(height, dpi),
                                                    PixelFormat32bppARGB);
    Gdiplus::Graphics graphics(scaled.get());
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    Gdiplus::ImageAttributes edges;
    edges.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
    graphics.DrawImage(&source, Gdiplus::Rect(0, 0, static_cast<INT>(scaled->GetWidth()), static_cast<INT>(scaled->GetHeight())),
                       0, 0, width, height, Gdiplus::UnitPixel, &edges);
    return scaled;
}
