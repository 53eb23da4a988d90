#include "e2e/support/UserHands.h"

#include <vector>

#include "platform/win32/UniqueHandle.h"

namespace {
constexpr DWORD kXdoTimeoutMs = 10000;

// Runs xdotool with `arguments` and waits for it.
bool Xdo(const std::wstring& arguments) {
    std::wstring line = L"/usr/bin/xdotool " + arguments;
    std::vector<wchar_t> buffer(line.begin(), line.end());
    buffer.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(L"Z:\\usr\\bin\\xdotool", buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        return false;
    const UniqueHandle process(info.hProcess);
    const UniqueHandle thread(info.hThread);
    // Wine reports no exit code of a Unix program; its ending is what counts.
    return WaitForSingleObject(process.Get(), kXdoTimeoutMs) == WAIT_OBJECT_0;
}

// Wine splits a Unix program's command line by the Windows rules.
std::wstring Quoted(const std::string& text) {
    std::wstring out = L"\"";
    for (char c : text) {
        if (c == '"') out += L'\\';
        out += static_cast<wchar_t>(static_cast<unsigned char>(c));
    }
    return out + L"\"";
}
}  // namespace

bool ClickAt(HWND window, int x, int y, int clicks) {
    RECT r{};
    if (!GetWindowRect(window, &r)) return false;
    return Xdo(L"mousemove --sync " + std::to_wstring(r.left + x) + L" " + std::to_wstring(r.top + y) +
               L" click --repeat " + std::to_wstring(clicks) + L" --delay 80 1");
}

bool PressKeys(const std::string& keys) { return Xdo(L"key --delay 30 " + Quoted(keys)); }

bool TypeText(const std::string& text) { return Xdo(L"type --delay 30 " + Quoted(text)); }
