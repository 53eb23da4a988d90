#pragma once
// What the program does to the computer besides sending input: launching a
// program or web address through the shell, and putting the computer to
// sleep. Win32: ShellExecuteExW after handing the foreground on, and
// SetSystemPowerState with the shutdown privilege.
#include <string>

class IHostActions {
public:
    virtual ~IHostActions() = default;
    // Opens the target with the shell's default action: a program path
    // starts it, a web address opens in the browser. False when the shell
    // refused (it shows its own message). Called on worker threads; the
    // target is never empty.
    virtual bool Launch(const std::u16string& target) = 0;
    // Suspends the computer, forced; a refusal is not reported.
    virtual void Suspend() = 0;
};
