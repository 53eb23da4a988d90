#include "ProcessMemory.h"

#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <sstream>

namespace {
// A file of /proc, whole; empty when it cannot be read.
std::string ReadProcFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
    CloseHandle(file);
    return text;
}

std::wstring Lower(std::wstring s) {
    std::transform(s.begin(), s.end(), s.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return s;
}
}  // namespace

std::optional<int> UnixPidOf(const std::wstring& path) {
    const std::wstring wanted = Lower(path);
    WIN32_FIND_DATAW entry{};
    HANDLE find = FindFirstFileW(L"Z:\\proc\\*", &entry);
    if (find == INVALID_HANDLE_VALUE) return std::nullopt;
    std::optional<int> found;
    int matches = 0;
    do {
        const std::wstring name = entry.cFileName;
        if (name.empty() || !std::all_of(name.begin(), name.end(), iswdigit)) continue;
        std::string line = ReadProcFile(L"Z:\\proc\\" + name + L"\\cmdline");
        std::replace(line.begin(), line.end(), '\0', ' ');
        if (Lower(std::wstring(line.begin(), line.end())).find(wanted) == std::wstring::npos) continue;
        found = std::stoi(name);
        ++matches;
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return matches == 1 ? found : std::nullopt;
}

std::optional<double> PrivateMb(int pid) {
    std::istringstream lines(ReadProcFile(L"Z:\\proc\\" + std::to_wstring(pid) + L"\\smaps_rollup"));
    std::string key;
    double kb = 0;
    int seen = 0;
    while (lines >> key) {
        if (key == "Private_Clean:" || key == "Private_Dirty:") {
            double value = 0;
            lines >> value;
            kb += value;
            ++seen;
        }
    }
    if (seen != 2) return std::nullopt;
    return kb / 1024.0;
}
