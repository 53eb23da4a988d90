#include "win/support/DistFolder.h"

#include <windows.h>

#include "win/support/Capture.h"

InDistFolder::InDistFolder() {
    saved_.resize(MAX_PATH);
    saved_.resize(GetCurrentDirectoryW(MAX_PATH, saved_.data()));
    SetCurrentDirectoryW((TestProgramFolder() + L"..\\..\\dist").c_str());
}

InDistFolder::~InDistFolder() { SetCurrentDirectoryW(saved_.c_str()); }

std::wstring ResFolder() { return TestProgramFolder() + L"..\\..\\dist\\res\\"; }
