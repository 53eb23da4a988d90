#pragma once
// What running as administrator needs from the system. Win32: the mandatory
// integrity level of process tokens (OpenProcess with limited query rights,
// GetTokenInformation), and the shell's "runas" verb to start an elevated
// copy (ShellExecuteExW) with a wait for a process to end. Wine enforces
// neither, so the program's rules are tested with fakes.
#include <cstdint>
#include <string>

class IProcessIntegrity {
public:
    virtual ~IProcessIntegrity() = default;
    // Whether the process runs at a higher integrity level than ours; a
    // process we may not query counts as higher.
    virtual bool RunsAboveUs(uint32_t process) = 0;
    // Whether we run elevated ourselves (then "Restart as administrator" is
    // never offered).
    virtual bool WeAreElevated() = 0;
};

class IElevatedStart {
public:
    virtual ~IElevatedStart() = default;
    // Starts an elevated copy of the program with `arguments`; false when
    // the user refused elevation or the start failed.
    virtual bool StartElevated(const std::u16string& arguments) = 0;
    // Waits until the process has ended, at most `timeoutMs`; true when it
    // has (or is gone already).
    virtual bool WaitForEnd(uint32_t process, uint32_t timeoutMs) = 0;
};
