#include "win/support/GdiplusSession.h"

#include <windows.h>
#include <gdiplus.h>

namespace {
class Session {
public:
    Session() {
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&token_, &input, nullptr);
    }
    ~Session() { Gdiplus::GdiplusShutdown(token_); }

private:
    ULONG_PTR token_ = 0;
};
}  // namespace

void EnsureGdiplus() { static Session session; }
