#include "platform/win32/Win32HostActions.h"

#include <shellapi.h>

#include <utility>
#include <vector>

#include "platform/win32/UniqueHandle.h"

namespace {
bool BelongsTo(HWND window, DWORD processId) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return owner == processId;
}

bool SuspendNow() { return SetSystemPowerState(TRUE, TRUE) != FALSE; }

// SetForegroundWindow is honoured only for a thread that shares input with
// the foreground; the pairs are joined for the call and parted again.
void SetForegroundSharingInput(HWND window) {
    const DWORD windowThread = GetWindowThreadProcessId(window, nullptr);
    const DWORD foregroundThread = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
    const DWORD selfThread = GetCurrentThreadId();
    std::vector<std::pair<DWORD, DWORD>> attached;
    for (DWORD other : {foregroundThread, selfThread})
        if (other != 0 && other != windowThread && AttachThreadInput(windowThread, other, TRUE))
            attached.emplace_back(windowThread, other);
    SetForegroundWindow(window);
    for (const auto& [from, to] : attached) AttachThreadInput(from, to, FALSE);
}
}  // namespace

bool Win32HostActions::Launch(const std::u16string& target) {
    if (HWND own = FindOwnWindow(GetCurrentProcessId())) (void)ForceForeground(own);  // best effort
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpFile = reinterpret_cast<const wchar_t*>(target.c_str());
    info.nShow = SW_SHOWNORMAL;
    const bool launched = ShellExecuteExW(&info) != FALSE;
    UniqueHandle process(info.hProcess);  // the started process is not watched; its handle is closed here
    return launched;
}

void Win32HostActions::Suspend() {
    if (SuspendNow()) return;
    HANDLE raw = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &raw)) return;
    UniqueHandle token(raw);
    TOKEN_PRIVILEGES privileges{};
    if (!LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) return;
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!AdjustTokenPrivileges(token.Get(), FALSE, &privileges, 0, nullptr, nullptr)) return;
    (void)SuspendNow();  // a second refusal is not reported
}

HWND Win32HostActions::FindOwnWindow(DWORD processId) {
    HWND cached = ownWindow_.load();
    if (cached != nullptr && IsWindow(cached) && BelongsTo(cached, processId)) return cached;
    ownWindow_ = nullptr;
    for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window != nullptr;
         window = GetWindow(window, GW_HWNDNEXT)) {
        if (GetParent(window) == nullptr && BelongsTo(window, processId)) {
            ownWindow_ = window;
            return window;
        }
    }
    return nullptr;
}

bool Win32HostActions::ForceForeground(HWND window) {
    if (!IsWindow(window)) return false;
    HWND popup = GetLastActivePopup(window);
    if (popup != nullptr && popup != window && IsWindowVisible(popup)) window = popup;
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    SetForegroundSharingInput(window);
    return true;
}
