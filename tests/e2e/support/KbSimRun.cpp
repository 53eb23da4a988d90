#include "e2e/support/KbSimRun.h"

#include <filesystem>

#include "platform/win32/UniqueHandle.h"

// Runs build/win/kbsim.exe with `args` and collects its standard output.
KbSimOutput Kbsim(const std::string& args) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return {};
    UniqueHandle reader(readEnd), writer(writeEnd);
    SetHandleInformation(reader.Get(), HANDLE_FLAG_INHERIT, 0);

    const std::wstring exe = (std::filesystem::path(L"Z:\\") / std::filesystem::path(QORN_KBSIM_EXE).relative_path()).wstring();
    std::wstring commandLine = L"kbsim " + std::wstring(args.begin(), args.end());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writer.Get();
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info))
        return {};
    UniqueHandle process(info.hProcess), thread(info.hThread);
    writer.Reset();  // the child holds the only write end now: end of file when it exits

    KbSimOutput result;
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(reader.Get(), buffer, sizeof buffer, &n, nullptr) && n > 0) result.out.append(buffer, n);
    WaitForSingleObject(process.Get(), 10000);
    GetExitCodeProcess(process.Get(), &result.exitCode);
    return result;
}
