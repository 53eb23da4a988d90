#pragma once
// The real program for end-to-end runs: its own copy of the program folder,
// data files the test prepares, and the end the user gives it (Exit in the
// tray menu). Message boxes it shows are answered with OK, so that a start
// without data files does not hang a test.
#include <windows.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "win/support/AppProcess.h"

class CDocMacroSet;
class CDocProfileSet;

class ProgramRun {
public:
    // A fresh program folder; nothing runs yet.
    ProgramRun();
    // Stops answering message boxes and ends a program still running.
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    std::filesystem::path Folder() const { return folder_; }
    // Write the data files the program will load.
    void WriteProfiles(CDocProfileSet& profiles) const;
    void WriteMacros(CDocMacroSet& macros) const;
    // The profile data file as the program saved it.
    CDocProfileSet ReadProfiles() const;
    // The macro data file as the program saved it.
    CDocMacroSet ReadMacros() const;
    // The texts of the message boxes answered with OK so far. Questions
    // (Yes and No) are left to the test.
    std::vector<std::wstring> Answered();

    bool Start(const std::wstring& arguments = L"");
    // Chooses Exit in the tray menu (the menu item's command) and waits for
    // the process to end; false when it did not end in time.
    bool Exit(DWORD timeoutMs);

private:
    void StopWatching();

    std::wstring folder_;
    std::unique_ptr<AppProcess> app_;
    std::atomic<bool> watching_{false};
    std::mutex answeredLock_;
    std::vector<std::wstring> answered_;
    std::thread watcher_;
};
