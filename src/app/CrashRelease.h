#pragma once
// Lets go of what the program holds down when it crashes: an unhandled
// exception filter that releases through the ledger and then lets the crash
// proceed (to the filter before it, or to the system's error reporting).
// One at a time per process; the filter before it is restored when dropped.
#include <windows.h>

class CHeldInput;

class CCrashRelease {
public:
    // `held` must outlive this object.
    explicit CCrashRelease(CHeldInput& held);
    ~CCrashRelease();
    CCrashRelease(const CCrashRelease&) = delete;
    CCrashRelease& operator=(const CCrashRelease&) = delete;

private:
    // On the failing thread: no waiting for the activations, which may be
    // what failed; the ledger is sealed so that none presses again.
    static LONG WINAPI Filter(EXCEPTION_POINTERS* exception);

    static CHeldInput* held_;
    static LPTOP_LEVEL_EXCEPTION_FILTER previous_;
};
