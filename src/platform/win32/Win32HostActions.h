#pragma once
// Launching through the shell and suspending the computer, on Windows.
// Before a launch the program's own top-level window is brought to the
// foreground: a process that owns the foreground may hand it to a process it
// starts, so the started program does not open behind other windows.
#include <windows.h>

#include <atomic>

#include "platform/IHostActions.h"

class Win32HostActions final : public IHostActions {
public:
    bool Launch(const std::u16string& target) override;
    void Suspend() override;

    // The first top-level window in z-order without parent or owner that
    // belongs to the process, or null; remembered while it stays valid.
    // Safe from several worker threads at once.
    HWND FindOwnWindow(DWORD processId);
    // Brings the window (or its visible last active popup) to the
    // foreground, restoring it when minimized; false when it does not exist.
    static bool ForceForeground(HWND window);

private:
    std::atomic<HWND> ownWindow_{nullptr};
};
