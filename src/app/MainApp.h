#pragma once
// The application object: the process's single owner of everything that
// lives for the whole run. Start-up runs the main window modally and
// shutdown undoes start-up in reverse.
#include <windows.h>

#include <cstdint>
#include <string>

class CMainApp {
public:
    static constexpr const wchar_t* kMainWindowClass = L"{65306E26-72AF-4365-B4D6-62EA1575C3B1}";

    explicit CMainApp(HINSTANCE instance);
    CMainApp(const CMainApp&) = delete;
    CMainApp& operator=(const CMainApp&) = delete;

    // Runs the whole application; false always, as the framework hook does.
    bool InitInstance();
    int ExitInstance();

    const std::wstring& ApplicationFolder() const { return folder_; }

private:
    bool ActivateRunningCopy() const;
    bool RegisterMainWindowClass() const;
    void EnterApplicationFolder();
    void RunMainWindow();

    HINSTANCE instance_;
    std::wstring folder_;
    ULONG_PTR gdiplusToken_ = 0;
    bool started_ = false;
};
