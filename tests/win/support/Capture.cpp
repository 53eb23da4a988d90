#include "win/support/Capture.h"

#include "platform/win32/UniqueResource.h"

namespace {
// `width` x `height` pixels of `source` from (x, y).
Capture Grab(HDC source, int x, int y, int width, int height) {
    Capture capture;
    capture.width = width;
    capture.height = height;
    capture.pixels.resize(static_cast<std::size_t>(capture.width) * capture.height);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = capture.width;
    info.bmiHeader.biHeight = -capture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const UniqueGdiObject<HBITMAP> dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const UniqueMemoryDC memory(CreateCompatibleDC(nullptr));
    {
        const ScopedSelect select(memory.Get(), dib.Get());
        BitBlt(memory.Get(), 0, 0, capture.width, capture.height, source, x, y, SRCCOPY);
    }
    GdiFlush();
    const auto* p = static_cast<const uint32_t*>(bits);
    capture.pixels.assign(p, p + capture.pixels.size());
    return capture;
}
}  // namespace

Capture CaptureClient(HWND hwnd) {
    UpdateWindow(hwnd);
    RECT r{};
    GetClientRect(hwnd, &r);
    HDC source = GetDC(hwnd);
    Capture capture = Grab(source, 0, 0, r.right, r.bottom);
    ReleaseDC(hwnd, source);
    return capture;
}

Capture CaptureScreen(const RECT& area) {
    HDC screen = GetDC(nullptr);
    Capture capture = Grab(screen, area.left, area.top, area.right - area.left, area.bottom - area.top);
    ReleaseDC(nullptr, screen);
    return capture;
}

namespace {
bool EncoderOf(const wchar_t* mime, CLSID* clsid) {
    UINT count = 0, size = 0;
    Gdiplus::GetImageEncodersSize(&count, &size);
    std::vector<char> buffer(size);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    Gdiplus::GetImageEncoders(count, size, codecs);
    for (UINT i = 0; i < count; ++i)
        if (std::wstring(codecs[i].MimeType) == mime) {
            *clsid = codecs[i].Clsid;
            return true;
        }
    return false;
}
}  // namespace

bool SaveImage(Gdiplus::Image& image, const std::wstring& path, const wchar_t* mime) {
    CLSID clsid{};
    if (!EncoderOf(mime, &clsid)) return false;
    CreateDirectoryW(path.substr(0, path.find_last_of(L'\\')).c_str(), nullptr);
    return image.Save(path.c_str(), &clsid, nullptr) == Gdiplus::Ok;
}

bool SavePng(const Capture& capture, const std::wstring& path) {
    std::vector<uint32_t> pixels = capture.pixels;
    Gdiplus::Bitmap bitmap(capture.width, capture.height, capture.width * 4, PixelFormat32bppRGB,
                           reinterpret_cast<BYTE*>(pixels.data()));
    return SaveImage(bitmap, path, L"image/png");
}

std::wstring TestProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    const std::wstring full(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    return full.substr(0, full.find_last_of(L'\\') + 1);
}
