#include "skin/SkinBitmap.h"

SharedBitmap LoadSkinBitmap(const std::wstring& path) { return std::make_shared<Gdiplus::Bitmap>(path.c_str()); }

// A bitmap without data reports width 0 (its calls fail), which also holds
// after GetLastStatus has been read and reset.
bool HasImage(Gdiplus::Bitmap* bitmap) { return bitmap && bitmap->GetWidth() > 0; }
