#include "app/CrashRelease.h"

#include "actions/HeldInput.h"

CHeldInput* CCrashRelease::held_ = nullptr;
LPTOP_LEVEL_EXCEPTION_FILTER CCrashRelease::previous_ = nullptr;

CCrashRelease::CCrashRelease(CHeldInput& held) {
    held_ = &held;
    previous_ = SetUnhandledExceptionFilter(Filter);
}

CCrashRelease::~CCrashRelease() {
    SetUnhandledExceptionFilter(previous_);
    held_ = nullptr;
}

LONG WINAPI CCrashRelease::Filter(EXCEPTION_POINTERS* exception) {
    if (held_ != nullptr) held_->ReleaseAndSeal();
    return previous_ != nullptr ? previous_(exception) : EXCEPTION_CONTINUE_SEARCH;
}
