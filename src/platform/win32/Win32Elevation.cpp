#include "platform/win32/Win32Elevation.h"

#include <windows.h>
#include <shellapi.h>

#include <optional>
#include <vector>

#include "platform/win32/UniqueHandle.h"

namespace {
// The mandatory integrity level (a relative id such as 0x2000 medium,
// 0x3000 high) of a process's token; none when it may not be queried.
std::optional<DWORD> IntegrityOf(HANDLE process) {
    HANDLE raw = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &raw)) return std::nullopt;
    const UniqueHandle token(raw);
    DWORD size = 0;
    (void)GetTokenInformation(token.Get(), TokenIntegrityLevel, nullptr, 0, &size);
    if (size == 0) return std::nullopt;
    std::vector<unsigned char> buffer(size);
    if (!GetTokenInformation(token.Get(), TokenIntegrityLevel, buffer.data(), size, &size)) return std::nullopt;
    const auto* label = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(buffer.data());
    const DWORD count = *GetSidSubAuthorityCount(label->Label.Sid);
    if (count == 0) return std::nullopt;
    return *GetSidSubAuthority(label->Label.Sid, count - 1);
}
}  // namespace

bool Win32ProcessIntegrity::RunsAboveUs(uint32_t process) {
    const std::optional<DWORD> ours = IntegrityOf(GetCurrentProcess());
    if (!ours) return false;  // nothing to compare with: assume nothing blocks
    const UniqueHandle handle(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process));
    if (!handle.Valid()) return GetLastError() == ERROR_ACCESS_DENIED;
    const std::optional<DWORD> theirs = IntegrityOf(handle.Get());
    // A token we may not open is above us as well: a medium process may read
    // the token of any process of its own level.
    return !theirs || *theirs > *ours;
}

bool Win32ProcessIntegrity::WeAreElevated() {
    const std::optional<DWORD> ours = IntegrityOf(GetCurrentProcess());
    return ours && *ours >= SECURITY_MANDATORY_HIGH_RID;
}

bool Win32ElevatedStart::StartElevated(const std::u16string& arguments) {
    wchar_t path[MAX_PATH * 2] = {};
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
    if (n == 0 || n >= MAX_PATH * 2) return false;
    const std::wstring parameters(arguments.begin(), arguments.end());
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC;
    info.lpVerb = L"runas";
    info.lpFile = path;
    info.lpParameters = parameters.c_str();
    info.nShow = SW_SHOWNORMAL;
    // A refused elevation fails with ERROR_CANCELLED; nothing has started.
    const bool started = ShellExecuteExW(&info) != FALSE;
    const UniqueHandle process(info.hProcess);
    return started;
}

bool Win32ElevatedStart::WaitForEnd(uint32_t process, uint32_t timeoutMs) {
    const UniqueHandle handle(OpenProcess(SYNCHRONIZE, FALSE, process));
    if (!handle.Valid()) return true;  // gone already (or not ours to wait for)
    return WaitForSingleObject(handle.Get(), timeoutMs) == WAIT_OBJECT_0;
}
