#pragma once
// Skin bitmaps are GDI+ bitmaps shared by reference count: a dialog and the
// controls that cut from it hold the same images.
#include <windows.h>
#include <gdiplus.h>

#include <memory>
#include <string>

using SharedBitmap = std::shared_ptr<Gdiplus::Bitmap>;

// Loads a bitmap file, or shares the copy that another holder already has:
// each file is in memory once, and leaves it with its last holder. A
// missing or unreadable file still gives an object, one without image
// data: drawing from it fails silently. For the UI thread only.
SharedBitmap LoadSkinBitmap(const std::wstring& path);

// True when the bitmap holds image data.
bool HasImage(Gdiplus::Bitmap* bitmap);
