#pragma once
// The program's folder of the build (dist\, with res\ beside the program),
// made the working folder while an object of this class lives, so that the
// skin's relative ".\res\..." paths resolve as they do for the program.
#include <string>

class InDistFolder {
public:
    InDistFolder();
    InDistFolder(const InDistFolder&) = delete;
    InDistFolder& operator=(const InDistFolder&) = delete;
    ~InDistFolder();

private:
    std::wstring saved_;
};

// The build's skin folder dist\res\, with a trailing backslash.
std::wstring ResFolder();
