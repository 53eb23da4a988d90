#include "skin/SkinPaint.h"

#include <map>

#include "skin/SkinDialog.h"

namespace {
void Record(Gdiplus::Status status, int* lastStatus) {
    if (status != Gdiplus::Ok && lastStatus) *lastStatus = status;
}

// The family of `name`, or the generic sans-serif family when the system
// has no such font; null on a system without any font GDI+ can use.
std::unique_ptr<Gdiplus::FontFamily> MakeFamily(const std::wstring& name) {
    auto family = std::make_unique<Gdiplus::FontFamily>(name.c_str());
    if (family->IsAvailable()) return family;
    const Gdiplus::FontFamily* generic = Gdiplus::FontFamily::GenericSansSerif();
    if (generic == nullptr || !generic->IsAvailable()) return nullptr;
    return std::unique_ptr<Gdiplus::FontFamily>(generic->Clone());
}

// MakeFamily, once per name: finding a family searches the system's fonts,
// which cost milliseconds on every control's paint. UI thread only. The
// families are never deleted: GDI+ may be shut down before static objects
// go, and a process has a handful of names.
const Gdiplus::FontFamily* FamilyOrFallback(const std::wstring& name) {
    static auto* families = new std::map<std::wstring, std::unique_ptr<Gdiplus::FontFamily>>;
    auto found = families->find(name);
    if (found == families->end()) found = families->emplace(name, MakeFamily(name)).first;
    return found->second.get();
}
}  // namespace

std::unique_ptr<Gdiplus::Bitmap> CutSlice(const CSkinDialog& skin, HWND control, SkinState state, int controlIndex) {
    Gdiplus::Bitmap* image = skin.Image(state, SkinImageIndex(state, controlIndex, skin.CurrentImageIndex()));
    if (!HasImage(image)) return nullptr;
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, skin.GetSafeHwnd(), reinterpret_cast<POINT*>(&r), 2);
    return std::unique_ptr<Gdiplus::Bitmap>(
        image->Clone(static_cast<INT>(r.left), static_cast<INT>(r.top), static_cast<INT>(r.right - r.left),
                     static_cast<INT>(r.bottom - r.top), image->GetPixelFormat()));
}

void DrawFace(Gdiplus::Graphics& graphics, Gdiplus::Bitmap* image, const Gdiplus::Rect& dest, int* lastStatus) {
    if (!HasImage(image)) return;
    Record(graphics.DrawImage(image, dest), lastStatus);
}

void DrawCellPiece(Gdiplus::Graphics& graphics, Gdiplus::Bitmap& image, const Gdiplus::Rect& dest,
                   const Gdiplus::Rect& source, bool tileFlip) {
    Gdiplus::ImageAttributes attributes;
    if (tileFlip) attributes.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
    graphics.DrawImage(&image, dest, source.X, source.Y, source.Width, source.Height, Gdiplus::UnitPixel,
                       tileFlip ? &attributes : nullptr);
}

void DrawSkinText(Gdiplus::Graphics& graphics, const std::wstring& text, const Gdiplus::RectF& layout,
                  const SkinFont& font, uint32_t argb, const Gdiplus::StringFormat* format, int* lastStatus) {
    if (text.empty()) return;
    const auto family = FamilyOrFallback(font.family);
    if (!family) return;  // no font to draw with: the face shows without text
    const Gdiplus::Font gdiplusFont(family, font.size, font.style, Gdiplus::UnitPixel);
    const Gdiplus::SolidBrush brush{Gdiplus::Color(argb)};
    Record(graphics.DrawString(text.c_str(), static_cast<INT>(text.size()), &gdiplusFont, layout, format, &brush),
           lastStatus);
}

HFONT CreateGdiFont(const SkinFont& font) {
    const auto family = FamilyOrFallback(font.family);
    if (!family) return nullptr;
    const Gdiplus::Font gdiplusFont(family, font.size, font.style, Gdiplus::UnitPixel);
    // Without a window yet, the logical font is taken for the screen.
    const HDC screen = GetDC(nullptr);
    LOGFONTW logFont{};
    Gdiplus::Status status = Gdiplus::GenericError;
    {
        Gdiplus::Graphics graphics(screen);
        status = gdiplusFont.GetLogFontW(&graphics, &logFont);
    }
    ReleaseDC(nullptr, screen);
    return status == Gdiplus::Ok ? CreateFontIndirectW(&logFont) : nullptr;
}
