#include "win/support/AppProcess.h"

#include <shellapi.h>

#include <thread>

#include "win/support/Capture.h"

namespace {
void CopyFolder(const std::wstring& from, const std::wstring& to) {
    CreateDirectoryW(to.c_str(), nullptr);
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((from + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = found.cFileName;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            CopyFileW((from + name).c_str(), (to + name).c_str(), FALSE);
        else if (name != L"." && name != L"..")
            CopyFolder(from + name + L"\\", to + name + L"\\");  // the image sets of res\150 and res\200
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

template <typename Find>
auto Poll(std::chrono::milliseconds timeout, Find find) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        auto result = find();
        if (result || std::chrono::steady_clock::now() >= end) return result;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}
}  // namespace

std::wstring MakeAppFolder(const std::wstring& name, bool installed) {
    const std::wstring dist = TestProgramFolder() + L"..\\..\\dist\\";
    const std::wstring root = TestProgramFolder() + L"apps\\";
    const std::wstring folder = root + name + L"\\";
    CreateDirectoryW(root.c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    for (const wchar_t* file : {L"qorn.pfs", L"qorn.mcs"}) DeleteFileW((folder + file).c_str());
    if (installed) {
        for (const wchar_t* file : {L"qorn.pfs", L"qorn.mcs"}) CopyFileW((dist + file).c_str(), (folder + file).c_str(), FALSE);
    }
    CopyFileW((dist + L"Qorn.exe").c_str(), (folder + L"Qorn.exe").c_str(), FALSE);
    CopyFolder(dist + L"res\\", folder + L"res\\");
    CopyFolder(dist + L"lan\\", folder + L"lan\\");
    return folder;
}

AppProcess::AppProcess(const std::wstring& folder, const std::wstring& arguments) {
    std::wstring command = L"\"" + folder + L"Qorn.exe\"" + (arguments.empty() ? L"" : L" " + arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, TestProgramFolder().c_str(),
                       &startup, &info)) {
        process_.Reset(info.hProcess);
        CloseHandle(info.hThread);
    }
}

// A test that failed half-way must not leave the program running.
AppProcess::~AppProcess() {
    if (Started() && Running()) {
        TerminateProcess(process_.Get(), 1);
        WaitForExit(std::chrono::milliseconds(5000));
    }
}

bool AppProcess::WaitForExit(std::chrono::milliseconds timeout, DWORD* code) const {
    if (WaitForSingleObject(process_.Get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) return false;
    if (code) GetExitCodeProcess(process_.Get(), code);
    return true;
}

HWND WaitForMainWindow(std::chrono::milliseconds timeout) {
    return Poll(timeout, [] { return FindWindowW(L"{65306E26-72AF-4365-B4D6-62EA1575C3B1}", nullptr); });
}

std::wstring AnswerMessageBox(std::chrono::milliseconds timeout, int button) {
    HWND box = Poll(timeout, [] { return FindWindowW(L"#32770", L"Qorn"); });
    if (!box) return {};
    HWND press = GetDlgItem(box, button);
    if (!press) return {};
    wchar_t text[512] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 512);
    PostMessageW(press, BM_CLICK, 0, 0);
    // Wait until it is gone, so that the next search finds the next box.
    Poll(timeout, [box] { return !IsWindow(box); });
    return text;
}

HWND PageWith(HWND main, int id, const wchar_t* controlClass) {
    return Poll(std::chrono::milliseconds(5000), [&]() -> HWND {
        for (HWND child = GetWindow(main, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            HWND control = GetDlgItem(child, id);
            wchar_t cls[64] = {};
            if (control && (!controlClass || (GetClassNameW(control, cls, 64) && lstrcmpiW(cls, controlClass) == 0)))
                return child;
        }
        return nullptr;
    });
}

HWND FocusIn(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

HWND HostedEdit(HWND dialog, int id) {
    HWND found = nullptr;
    EnumChildWindows(
        GetDlgItem(dialog, id),
        [](HWND child, LPARAM out) {
            wchar_t cls[16] = {};
            GetClassNameW(child, cls, 16);
            if (lstrcmpiW(cls, L"Edit") != 0) return TRUE;
            *reinterpret_cast<HWND*>(out) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::wstring EditText(HWND edit) {
    wchar_t text[256] = {};
    SendMessageW(edit, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
}

bool HasTrayIcon(HWND owner) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = owner;
    data.uID = 128;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != 0;
}
