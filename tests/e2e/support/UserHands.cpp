#include "e2e/support/UserHands.h"

#include <atomic>
#include <chrono>
#include <vector>

#include "e2e/support/ProgramWindows.h"

using namespace std::chrono_literals;

namespace {
// Wine starts a Unix program without a process handle to wait on, so the
// shell that runs xdotool leaves a marker file when it is done.
bool Xdo(const std::wstring& arguments) {
    static std::atomic<int> calls{0};
    const std::wstring marker =
        L"/tmp/qorn-xdo-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++calls);
    std::wstring line = L"/bin/sh -c \"/usr/bin/xdotool " + arguments + L"; touch " + marker + L"\"";
    std::vector<wchar_t> buffer(line.begin(), line.end());
    buffer.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(L"Z:\\bin\\sh", buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return false;
    std::wstring windowsMarker = L"Z:" + marker;
    for (wchar_t& c : windowsMarker)
        if (c == L'/') c = L'\\';
    const bool done = WaitFor([&] { return GetFileAttributesW(windowsMarker.c_str()) != INVALID_FILE_ATTRIBUTES; }, 10s);
    DeleteFileW(windowsMarker.c_str());
    return done;
}

// Quoted for the shell, inside the command's double quotes.
std::wstring ShellQuoted(const std::string& text) {
    std::wstring out = L"'";
    for (char c : text) {
        if (c == '\'') out += L"'\\''";
        else if (c == '"') out += L"\\\"";
        else out += static_cast<wchar_t>(static_cast<unsigned char>(c));
    }
    return out + L"'";
}
}  // namespace

namespace {
// xdotool's move to a point relative to the window; empty when the window is gone.
std::wstring MoveCommand(HWND window, int x, int y) {
    RECT r{};
    if (!GetWindowRect(window, &r)) return {};
    return L"mousemove " + std::to_wstring(r.left + x) + L" " + std::to_wstring(r.top + y);
}
}  // namespace

bool ClickAt(HWND window, int x, int y, int clicks) {
    const std::wstring move = MoveCommand(window, x, y);
    return !move.empty() && Xdo(move + L" click --repeat " + std::to_wstring(clicks) + L" --delay 80 1");
}

bool MoveTo(HWND window, int x, int y) {
    const std::wstring move = MoveCommand(window, x, y);
    return !move.empty() && Xdo(move);
}

bool NudgePointer() { return Xdo(L"mousemove_relative 1 0 mousemove_relative -- -1 0"); }

bool PressKeys(const std::string& keys) { return Xdo(L"key --delay 30 " + std::wstring(keys.begin(), keys.end())); }

bool TypeText(const std::string& text) { return Xdo(L"type --delay 30 " + ShellQuoted(text)); }

bool HoldKey(const std::string& key, int ms) {
    const std::wstring k(key.begin(), key.end());
    return Xdo(L"keydown " + k + L" sleep " + std::to_wstring(ms / 1000.0) + L" keyup " + k);
}
