#pragma once
// The application object: the process's single owner of everything that
// lives for the whole run. Start-up runs the main window modally and
// shutdown undoes start-up in reverse.
#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "device/DeviceChannel.h"
#include "device/win32/Win32DeviceIo.h"
#include "framework/Win32UserPrompt.h"
#include "macro/DocMacroSet.h"
#include "model/DocProfileSet.h"
#include "actions/ActionServices.h"
#include "platform/StdFileStore.h"
#include "platform/SystemClock.h"
#include "ui/Activity.h"
#include "platform/win32/Win32CodePage.h"
#include "platform/win32/Win32Elevation.h"
#include "platform/win32/Win32HostActions.h"
#include "platform/win32/Win32InputSink.h"
#include "platform/win32/Win32SystemTimer.h"

class CMainApp {
public:
    static constexpr const wchar_t* kMainWindowClass = L"{65306E26-72AF-4365-B4D6-62EA1575C3B1}";

    // `args`: the command line without the program; `/profile NAME` makes
    // NAME current, in the running copy when there is one.
    CMainApp(HINSTANCE instance, std::vector<std::u16string> args);
    CMainApp(const CMainApp&) = delete;
    CMainApp& operator=(const CMainApp&) = delete;
    ~CMainApp();

    // The one application object; it exists for the whole run.
    static CMainApp& Current();

    // Runs the whole application; false always, as the framework hook does.
    bool InitInstance();
    // Undoes start-up; returns the process exit code: 0, or for `/profile`
    // 2 when no profile has that name and 3 when the running copy is busy.
    int ExitInstance();

    // Writes both data files, but only in a run that loaded them: before
    // that they would overwrite the user's files with empty sets.
    void SaveDocuments();
    const std::wstring& ApplicationFolder() const { return folder_; }
    CDocProfileSet& ProfileSet() { return profileSet_; }
    CDocMacroSet& MacroSet() { return macroSet_; }
    CDeviceChannel& Channel() { return channel_; }
    // What carrying out key actions needs from the system.
    const ActionServices& Services() const { return services_; }
    // What the keyboard did, for the Activity window.
    CActivity& Activity() { return activity_; }
    IProcessIntegrity& Integrity() { return integrity_; }
    // "Restart as administrator": starts an elevated copy that waits for this
    // process; when the user agrees, `leave` ends this run (the exit saves
    // and closes the channel). False when the user refused: nothing changed.
    bool RestartAsAdministrator(const std::function<void()>& leave);
    // Files and messages for the documents' open and save operations.
    DocumentIo DocumentContext() { return DocumentIo{files_, prompt_}; }
    // The data files and the language file, in the application folder.
    std::wstring MacroFilePath() const { return folder_ + L"\\qorn.mcs"; }
    std::wstring ProfileFilePath() const { return folder_ + L"\\qorn.pfs"; }
    std::wstring LanguageFilePath() const { return folder_ + L"\\lan\\Orvik.ini"; }
    std::filesystem::path ProgramLinksPath() const { return std::filesystem::path(folder_) / L"programs.ini"; }

private:
    void ActivateRunningCopy(HWND other) const;
    // Hands `/profile NAME` to the running copy; the exit code it leads to.
    int HandOverProfile(HWND other, const std::u16string& name) const;
    bool RegisterMainWindowClass() const;
    void EnterApplicationFolder();
    bool StartSockets();
    void GrantFolderAccess() const;
    void LoadDocuments();
    void RunMainWindow();

    HINSTANCE instance_;
    std::vector<std::u16string> args_;
    std::optional<std::u16string> requestedProfile_;
    int exitCode_ = 0;
    std::wstring folder_;
    CDocProfileSet profileSet_;
    CDocMacroSet macroSet_;
    StdFileStore files_;
    Win32UserPrompt prompt_;
    Win32DeviceIo deviceIo_;
    Win32SystemTimer timer_;
    CSystemClock clock_{timer_};
    CDeviceChannel channel_{deviceIo_, clock_};
    Win32InputSink input_;
    Win32HostActions hostActions_;
    CActivity activity_;
    const ActionServices services_{input_, clock_, hostActions_, &activity_.Ring()};
    Win32ProcessIntegrity integrity_;
    Win32ElevatedStart elevatedStart_;
    Win32CodePage codePage_;
    ULONG_PTR gdiplusToken_ = 0;
    bool gdiplusStarted_ = false;
    bool socketsStarted_ = false;
    bool documentsLoaded_ = false;
};
