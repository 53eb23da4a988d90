#include "app/ForegroundWatcher.h"

#include <utility>

#include "platform/win32/UniqueHandle.h"
#include "ui/ProgramLinks.h"

thread_local CForegroundWatcher* CForegroundWatcher::active_ = nullptr;

namespace {
struct HostedSearch {
    DWORD host;
    DWORD found;
};

BOOL CALLBACK FindHostedChild(HWND child, LPARAM lp) {
    auto* search = reinterpret_cast<HostedSearch*>(lp);
    DWORD process = 0;
    GetWindowThreadProcessId(child, &process);
    if (process == search->host) return TRUE;
    search->found = process;
    return FALSE;
}

bool SameText(const std::u16string& a, const char16_t* b) {
    return CompareStringOrdinal(reinterpret_cast<LPCWCH>(a.c_str()), static_cast<int>(a.size()),
                                reinterpret_cast<LPCWCH>(b), -1, TRUE) == CSTR_EQUAL;
}

// The image file name of a process, or empty (queried with limited rights,
// which also answers for elevated processes).
std::u16string ProgramOfProcess(DWORD process) {
    const UniqueHandle handle(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process));
    if (!handle.Valid()) return {};
    wchar_t path[MAX_PATH * 2] = {};
    DWORD size = MAX_PATH * 2;
    if (!QueryFullProcessImageNameW(handle.Get(), 0, path, &size)) return {};
    return ProgramFileName(std::u16string(path, path + size));
}

// The process of a window as the user sees it, and its program: for the
// frame windows of hosted apps (ApplicationFrameHost.exe), the process of
// the child window that belongs to another process.
std::pair<DWORD, std::u16string> ProgramOfWindow(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    std::u16string program = ProgramOfProcess(process);
    if (!SameText(program, u"ApplicationFrameHost.exe")) return {process, program};
    HostedSearch search{process, 0};
    EnumChildWindows(window, FindHostedChild, reinterpret_cast<LPARAM>(&search));
    if (search.found == 0) return {process, program};
    return {search.found, ProgramOfProcess(search.found)};
}

constexpr UINT kCheckMs = 100;
}  // namespace

CForegroundWatcher::CForegroundWatcher(Callback callback)
    : callback_(std::move(callback)), last_(GetForegroundWindow()) {
    active_ = this;
    hook_ = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, OnEvent, 0, 0,
                            WINEVENT_OUTOFCONTEXT);
    timer_ = SetTimer(nullptr, 0, kCheckMs, OnTimer);
}

CForegroundWatcher::~CForegroundWatcher() {
    if (timer_) KillTimer(nullptr, timer_);
    if (hook_) UnhookWinEvent(hook_);
    active_ = nullptr;
}

void CALLBACK CForegroundWatcher::OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG, DWORD, DWORD) {
    if (active_ != nullptr && event == EVENT_SYSTEM_FOREGROUND && object == OBJID_WINDOW) active_->Report(window);
}

void CALLBACK CForegroundWatcher::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (active_ == nullptr) return;
    HWND window = GetForegroundWindow();
    if (window != active_->last_) active_->Report(window);
}

void CForegroundWatcher::Report(HWND window) {
    if (window == nullptr) {
        last_ = window;
        callback_(u"", false, 0);
        return;
    }
    const auto [process, program] = ProgramOfWindow(window);
    // A process that is still starting may not tell its name yet: the next
    // check asks again.
    if (program.empty()) return;
    last_ = window;
    callback_(program, process == GetCurrentProcessId(), process);
}
