#pragma once
// Drawing steps shared by all skinned controls: the face cut from the skin
// parent's state image, and the control's text. GDI+ failures are recorded
// in *lastStatus and otherwise ignored: the area stays as it was.
#include <windows.h>
#include <gdiplus.h>

#include <cstdint>
#include <memory>
#include <string>

#include "ui/SkinState.h"

class CSkinDialog;

// The rectangle of the skin parent's image for `state` that lies under
// `control`, as a new bitmap of the control's size; null when there is no
// such image or the rectangle leaves it.
std::unique_ptr<Gdiplus::Bitmap> CutSlice(const CSkinDialog& skin, HWND control, SkinState state, int controlIndex);

// Draws that rectangle of the skin parent's image into `dest`; nothing when
// CutSlice would give null.
void DrawSlice(Gdiplus::Graphics& graphics, const CSkinDialog& skin, HWND control, SkinState state, int controlIndex,
               const Gdiplus::Rect& dest, int* lastStatus);
// Draws the `source` rectangle of `image` stretched into `dest`. With
// `tileFlip`, the edges are sampled with the tile-flip-XY wrap mode.
void DrawCellPiece(Gdiplus::Graphics& graphics, Gdiplus::Bitmap& image, const Gdiplus::Rect& dest,
                   const Gdiplus::Rect& source, bool tileFlip);

struct SkinFont {
    std::wstring family;
    float size;  // pixels
    int style;   // Gdiplus::FontStyle bits
};
// Draws `text` into `layout`. A family the system lacks falls back to the
// generic sans-serif family, so that the text still shows.
void DrawSkinText(Gdiplus::Graphics& graphics, const std::wstring& text, const Gdiplus::RectF& layout,
                  const SkinFont& font, uint32_t argb, const Gdiplus::StringFormat* format, int* lastStatus);
// A GDI font matching `font`, for controls that draw through GDI (edits).
HFONT CreateGdiFont(const SkinFont& font);
