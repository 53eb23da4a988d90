#include "skin/SkinGdi.h"

UniqueGdiObject<HBITMAP> ToGdiBitmap(Gdiplus::Bitmap& image) {
    HBITMAP bitmap = nullptr;
    if (image.GetHBITMAP(Gdiplus::Color(255, 0, 0, 0), &bitmap) != Gdiplus::Ok) return {};
    return UniqueGdiObject<HBITMAP>(bitmap);
}

UniqueGdiObject<HBRUSH> PatternBrushOf(Gdiplus::Bitmap& image) {
    const UniqueGdiObject<HBITMAP> bitmap = ToGdiBitmap(image);
    // The brush keeps its own copy of the pattern.
    return UniqueGdiObject<HBRUSH>(bitmap ? CreatePatternBrush(bitmap.Get()) : nullptr);
}

std::vector<uint32_t> PixelsOf(HBITMAP bitmap, int width, int height) {
    std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    if (!GetDIBits(dc.Get(), bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS))
        pixels.clear();
    return pixels;
}

UniqueGdiObject<HRGN> RegionOfRuns(const std::vector<MaskRun>& runs) {
    // One RGNDATA with every rectangle: far faster than combining regions
    // one run at a time.
    std::vector<char> buffer(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(runs.size());
    data->rdh.nRgnSize = static_cast<DWORD>(runs.size() * sizeof(RECT));
    RECT bounds{0, 0, 0, 0};
    auto* rects = reinterpret_cast<RECT*>(data->Buffer);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        rects[i] = RECT{runs[i].x0, runs[i].y, runs[i].x1, runs[i].y + 1};
        if (i == 0) bounds = rects[i];
        UnionRect(&bounds, &bounds, &rects[i]);
    }
    data->rdh.rcBound = bounds;
    return UniqueGdiObject<HRGN>(ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data));
}
