#pragma once
// Pixels of what a window shows, for checking faces and saving screenshots.
#include <windows.h>
#include <gdiplus.h>

#include <cstdint>
#include <string>
#include <vector>

struct Capture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows from the top
    uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x] & 0xFFFFFF; }
};

// The client area of `hwnd` as it is on screen now (after pending paints).
Capture CaptureClient(HWND hwnd);
// What the screen shows in `area`, windows of other programs included.
Capture CaptureScreen(const RECT& area);
// Saves as PNG; creates the folder. False on failure.
bool SavePng(const Capture& capture, const std::wstring& path);
// Saves a GDI+ image in the format of `mime` ("image/bmp", "image/png").
bool SaveImage(Gdiplus::Image& image, const std::wstring& path, const wchar_t* mime);
// The folder of the test program, with a trailing backslash.
std::wstring TestProgramFolder();
