#pragma once
// build/win/kbsim.exe run as a separate process, as a user runs it beside the
// program.
#include <windows.h>

#include <string>

struct KbSimOutput {
    DWORD exitCode = 0xFFFFFFFF;
    std::string out;
};

// Runs kbsim with `args` and collects its standard output.
KbSimOutput Kbsim(const std::string& args);
