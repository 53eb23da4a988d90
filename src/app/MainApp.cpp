// Windows Sockets must come before <windows.h>, which MainApp.h brings in.
#include <winsock2.h>

#include "app/MainApp.h"

#include <commctrl.h>
#include <gdiplus.h>

#include <cassert>

#include "app/MainDlg.h"
#include "app/resource.h"
#include "framework/MessageBox.h"
#include "lang/MultiLanguage.h"
#include "platform/win32/FileAccess.h"
#include "platform/win32/UniqueHandle.h"
#include "ui/Elevation.h"
#include "ui/ProfileRequest.h"
#include "platform/win32/WideText.h"

namespace {
CMainApp* current = nullptr;

// A line on the console the program was started from, when there is one.
void WriteToConsole(const std::wstring& line) {
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    const UniqueHandle console(
        CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    const std::wstring text = line + L"\r\n";
    DWORD written = 0;
    if (console.Valid()) WriteConsoleW(console.Get(), text.c_str(), static_cast<DWORD>(text.size()), &written, nullptr);
    FreeConsole();
}

int NoSuchProfile(const std::u16string& name) {
    WriteToConsole(L"No profile is named '" + std::wstring(name.begin(), name.end()) + L"'; nothing was changed.");
    return kProfileUnknown;
}
}  // namespace

CMainApp::CMainApp(HINSTANCE instance, std::vector<std::u16string> args)
    : instance_(instance), args_(std::move(args)), requestedProfile_(RequestedProfile(args_)) {
    assert(!current);
    current = this;
}

CMainApp::~CMainApp() { current = nullptr; }

CMainApp& CMainApp::Current() { return *current; }

// Another copy owns a window of our class: bring it forward and stop. Its
// own show handling decides whether anything becomes visible.
void CMainApp::ActivateRunningCopy(HWND other) const {
    if (GetWindowLongW(other, GWL_STYLE) & WS_MINIMIZE)
        ShowWindow(other, SW_RESTORE);
    else
        SetWindowPos(other, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
    SetForegroundWindow(other);
}

// The running copy is not brought forward: that would take the focus from
// the game the switch is for.
int CMainApp::HandOverProfile(HWND other, const std::u16string& name) const {
    std::vector<uint8_t> bytes = EncodeProfileRequest(name);
    COPYDATASTRUCT data{kProfileRequestTag, static_cast<DWORD>(bytes.size()), bytes.data()};
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(other, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 10000, &answer))
        answer = 0;
    switch (answer) {
    case kProfileSwitched: return 0;
    case kProfileUnknown: return NoSuchProfile(name);
    case kProfileBusy:
        WriteToConsole(L"Qorn is busy with a question or dialog; the profile was not changed.");
        return kProfileBusy;
    }
    WriteToConsole(L"Qorn did not answer; the profile was not changed.");
    return 1;
}

// The main dialog's template names this class: the system dialog class under
// our own name, so that a second copy can find the first.
bool CMainApp::RegisterMainWindowClass() const {
    WNDCLASSW wc{};
    if (!GetClassInfoW(instance_, L"#32770", &wc)) return false;
    wc.hInstance = instance_;
    wc.lpszClassName = kMainWindowClass;
    return RegisterClassW(&wc) != 0;
}

void CMainApp::EnterApplicationFolder() {
    wchar_t path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring full(path, n);
    folder_ = full.substr(0, full.find_last_of(L'\\'));
    SetCurrentDirectoryW(folder_.c_str());
}

// Version 1.1 only decides whether start-up goes on; no socket is used.
bool CMainApp::StartSockets() {
    WSADATA data{};
    socketsStarted_ = WSAStartup(MAKEWORD(1, 1), &data) == 0;
    return socketsStarted_;
}

// Every user of the machine may change the data files and the language
// file; nothing else of the program folder is opened up.
void CMainApp::GrantFolderAccess() const {
    for (const std::wstring& path : {MacroFilePath(), ProfileFilePath(), LanguageFilePath()})
        (void)GrantModifyToEveryone(path);  // a file that is missing or refused stays as it is
}

// A missing or unreadable file is reported by the document itself, once,
// and the run goes on with that set empty.
void CMainApp::LoadDocuments() {
    // Messages about the data files speak the remembered language. ANSI
    // language files are read in the system's code page.
    CMultiLanguage::codePage = &codePage_;
    CMultiLanguage::languageFile = U16(LanguageFilePath());
    CMultiLanguage::Load();
    // A damaged data file is copied aside before the save at exit replaces it.
    const DocumentIo io{files_, prompt_, true};
    macroSet_.OnOpenDocument(U16(MacroFilePath()), io);
    profileSet_.OnOpenDocument(U16(ProfileFilePath()), io);
    documentsLoaded_ = true;
}

void CMainApp::SaveDocuments() {
    if (!documentsLoaded_) return;
    // Each document reports its own write failure; the other is still saved.
    // A file that could not be read whole nor kept is left as it is.
    if (!macroSet_.MustNotReplace()) macroSet_.OnSaveDocument(U16(MacroFilePath()), DocumentContext());
    if (!profileSet_.MustNotReplace()) profileSet_.OnSaveDocument(U16(ProfileFilePath()), DocumentContext());
    // Files created by this save get the same access as those found at start.
    GrantFolderAccess();
}

void CMainApp::RunMainWindow() {
    CMainDlg dialog;
    dialog.DoModal();
}

bool CMainApp::RestartAsAdministrator(const std::function<void()>& leave) {
    return ::RestartAsAdministrator(elevatedStart_, GetCurrentProcessId(), leave);
}

bool CMainApp::InitInstance() {
    // The copy this one replaces as administrator ends first: its window
    // must not be found, and its channel must be closed before ours opens.
    (void)AwaitPredecessor(args_, elevatedStart_);
    if (HWND other = FindWindowW(kMainWindowClass, nullptr)) {
        if (requestedProfile_)
            exitCode_ = HandOverProfile(other, *requestedProfile_);
        else
            ActivateRunningCopy(other);
        return false;
    }
    RegisterMainWindowClass();
    EnterApplicationFolder();
    INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};
    InitCommonControlsEx(&controls);
    Gdiplus::GdiplusStartupInput input;
    gdiplusStarted_ = Gdiplus::GdiplusStartup(&gdiplusToken_, &input, nullptr) == Gdiplus::Ok;
    // Restart support only: no recovery, no autosave.
    RegisterApplicationRestart(nullptr, 0);
    if (!StartSockets()) {
        wchar_t text[256] = {};
        LoadStringW(instance_, IDS_SOCKETS_INIT_FAILED, text, 256);
        ShowMessageBox(text, MB_OK);
        return false;
    }
    GrantFolderAccess();
    LoadDocuments();
    if (requestedProfile_) {
        if (profileSet_.Find(*requestedProfile_) == nullptr) {
            exitCode_ = NoSuchProfile(*requestedProfile_);
            return false;
        }
        profileSet_.currentName = *requestedProfile_;
    }
    // The main window opens the channel once its tray icon is on its way.
    RunMainWindow();
    return false;
}

int CMainApp::ExitInstance() {
    SaveDocuments();
    if (gdiplusStarted_) Gdiplus::GdiplusShutdown(gdiplusToken_);
    gdiplusStarted_ = false;
    channel_.Close();
    if (socketsStarted_) WSACleanup();
    socketsStarted_ = false;
    return exitCode_;
}
