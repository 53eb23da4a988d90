#include "win/support/MessagePump.h"

#include "framework/Wnd.h"

namespace {
void PumpOnce() {
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (CWnd::PreTranslateTree(msg, nullptr)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}
}  // namespace

void PumpFor(std::chrono::milliseconds duration) {
    PumpUntil([] { return false; }, duration);
}

bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        PumpOnce();
        if (done()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}
