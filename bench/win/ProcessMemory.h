#pragma once
// Private memory of a process of this Wine, read from Linux's own account
// (/proc/PID/smaps_rollup through drive Z:): what the process alone holds,
// clean and dirty, in MB.
#include <optional>
#include <string>

// The Linux process whose command line names the program `path` (case
// ignored; other Wine prefixes may run programs of the same name); nothing
// when none or several do.
std::optional<int> UnixPidOf(const std::wstring& path);
// Private_Clean + Private_Dirty of `pid` in MB; nothing when unreadable.
std::optional<double> PrivateMb(int pid);
