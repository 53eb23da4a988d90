#pragma once
// The Win32 side of IElevation.h: token integrity levels, and the shell's
// "runas" verb for an elevated copy of this program.
#include "platform/IElevation.h"

class Win32ProcessIntegrity final : public IProcessIntegrity {
public:
    bool RunsAboveUs(uint32_t process) override;
    bool WeAreElevated() override;
};

class Win32ElevatedStart final : public IElevatedStart {
public:
    bool StartElevated(const std::u16string& arguments) override;
    bool WaitForEnd(uint32_t process, uint32_t timeoutMs) override;
};
