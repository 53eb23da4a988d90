#include "skin/SkinPaint.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <utility>

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

// One GDI+ font per family, size and style, made on first use: making one
// costs more than drawing a label. UI thread only; never deleted, as the
// families above.
const Gdiplus::Font* FontOf(const SkinFont& font) {
    using Key = std::tuple<std::wstring, float, int>;
    static auto* fonts = new std::map<Key, std::unique_ptr<Gdiplus::Font>>;
    const Key key{font.family, font.size, font.style};
    auto found = fonts->find(key);
    if (found != fonts->end()) return found->second.get();
    const auto family = FamilyOrFallback(font.family);
    if (!family) return nullptr;
    return fonts->emplace(key, std::make_unique<Gdiplus::Font>(family, font.size, font.style, Gdiplus::UnitPixel))
        .first->second.get();
}

bool Blank(const std::wstring& text) {
    return std::all_of(text.begin(), text.end(), [](wchar_t c) { return c == L' '; });
}

// The image for `state` and the rectangle of it under `control`; a null
// image when there is none or the rectangle leaves it.
std::pair<Gdiplus::Bitmap*, Gdiplus::Rect> SliceSource(const CSkinDialog& skin, HWND control, SkinState state,
                                                        int controlIndex) {
    Gdiplus::Bitmap* image = skin.Image(state, SkinImageIndex(state, controlIndex, skin.CurrentImageIndex()));
    if (!HasImage(image)) return {nullptr, {}};
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, skin.GetSafeHwnd(), reinterpret_cast<POINT*>(&r), 2);
    const Gdiplus::Rect source(r.left, r.top, r.right - r.left, r.bottom - r.top);
    const bool inside = r.left >= 0 && r.top >= 0 && r.right <= static_cast<LONG>(image->GetWidth()) &&
                        r.bottom <= static_cast<LONG>(image->GetHeight()) && source.Width > 0 && source.Height > 0;
    return {inside ? image : nullptr, source};
}
}  // namespace

std::unique_ptr<Gdiplus::Bitmap> CutSlice(const CSkinDialog& skin, HWND control, SkinState state, int controlIndex) {
    const auto [image, r] = SliceSource(skin, control, state, controlIndex);
    if (!image) return nullptr;
    return std::unique_ptr<Gdiplus::Bitmap>(image->Clone(r.X, r.Y, r.Width, r.Height, image->GetPixelFormat()));
}

// Straight from the parent's image: a copy of the slice on every paint
// cost more than drawing it.
void DrawSlice(Gdiplus::Graphics& graphics, const CSkinDialog& skin, HWND control, SkinState state, int controlIndex,
               const Gdiplus::Rect& dest, int* lastStatus) {
    const auto [image, r] = SliceSource(skin, control, state, controlIndex);
    if (!image) return;
    Record(graphics.DrawImage(image, dest, r.X, r.Y, r.Width, r.Height, Gdiplus::UnitPixel), lastStatus);
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
    if (Blank(text)) return;  // the keys carry a space: nothing to draw
    const Gdiplus::Font* gdiplusFont = FontOf(font);
    if (!gdiplusFont) return;  // no font to draw with: the face shows without text
    const Gdiplus::SolidBrush brush{Gdiplus::Color(argb)};
    Record(graphics.DrawString(text.c_str(), static_cast<INT>(text.size()), gdiplusFont, layout, format, &brush),
           lastStatus);
}

HFONT CreateGdiFont(const SkinFont& font) {
    const Gdiplus::Font* gdiplusFont = FontOf(font);
    if (!gdiplusFont) return nullptr;
    // Without a window yet, the logical font is taken for the screen.
    const HDC screen = GetDC(nullptr);
    LOGFONTW logFont{};
    Gdiplus::Status status = Gdiplus::GenericError;
    {
        Gdiplus::Graphics graphics(screen);
        status = gdiplusFont->GetLogFontW(&graphics, &logFont);
    }
    ReleaseDC(nullptr, screen);
    return status == Gdiplus::Ok ? CreateFontIndirectW(&logFont) : nullptr;
}
