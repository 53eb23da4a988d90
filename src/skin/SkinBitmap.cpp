#include "skin/SkinBitmap.h"

#include <map>

SharedBitmap LoadSkinBitmap(const std::wstring& path) {
    // Weak slots: the map never keeps an image alive. It grows by one small
    // entry per distinct file name, of which a skin has a few dozen.
    static std::map<std::wstring, std::weak_ptr<Gdiplus::Bitmap>> loaded;
    std::weak_ptr<Gdiplus::Bitmap>& slot = loaded[path];
    if (SharedBitmap image = slot.lock()) return image;
    auto image = std::make_shared<Gdiplus::Bitmap>(path.c_str());
    slot = image;
    return image;
}

// A bitmap without data reports width 0 (its calls fail), which also holds
// after GetLastStatus has been read and reset.
bool HasImage(Gdiplus::Bitmap* bitmap) { return bitmap && bitmap->GetWidth() > 0; }
