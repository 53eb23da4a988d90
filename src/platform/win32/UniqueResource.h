#pragma once
// Move-only owner of a Win32 resource that is freed by one call (GDI objects,
// device contexts, menus, icons). Freed exactly once by whoever holds it last;
// Release() hands it over to an API that takes ownership (SetWindowRgn).
#include <windows.h>

#include <utility>

template <typename H, typename Free>
class UniqueResource {
public:
    UniqueResource() = default;
    explicit UniqueResource(H h) : h_(h) {}
    UniqueResource(UniqueResource&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.h_, nullptr));
        return *this;
    }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;
    ~UniqueResource() { Reset(); }

    H Get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    H Release() { return std::exchange(h_, nullptr); }
    void Reset(H h = nullptr) {
        if (h_) Free{}(h_);
        h_ = h;
    }

private:
    H h_ = nullptr;
};

struct GdiObjectFree {
    void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct DcFree {
    void operator()(HDC h) const { DeleteDC(h); }
};
struct MenuFree {
    void operator()(HMENU h) const { DestroyMenu(h); }
};
struct IconFree {
    void operator()(HICON h) const { DestroyIcon(h); }
};
struct LocalMemoryFree {
    void operator()(void* p) const { LocalFree(p); }
};

// Brushes, bitmaps, fonts and regions.
template <typename H>
using UniqueGdiObject = UniqueResource<H, GdiObjectFree>;
// A device context from CreateCompatibleDC.
using UniqueMemoryDC = UniqueResource<HDC, DcFree>;
using UniqueMenu = UniqueResource<HMENU, MenuFree>;
// An icon the caller made or loaded unshared.
using UniqueIcon = UniqueResource<HICON, IconFree>;
// Memory the system allocated with LocalAlloc for the caller (security
// descriptors, access lists, converted SIDs).
template <typename P>
using UniqueLocalMemory = UniqueResource<P, LocalMemoryFree>;

// Selects an object into a device context for one scope and puts the previous
// object back at the end, so that the owner can delete its object afterwards.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;
    ~ScopedSelect() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The device context of a window's client area (GetDC), released at the end
// of the scope.
class ScopedWindowDc {
public:
    explicit ScopedWindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ScopedWindowDc(const ScopedWindowDc&) = delete;
    ScopedWindowDc& operator=(const ScopedWindowDc&) = delete;
    ~ScopedWindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};
