#pragma once
// The file store over the C++ standard library, for Linux and Windows alike.
// A replacement is a hidden temporary file in the target's folder; Commit
// closes it, forces it to the medium and renames it over the target (on
// Windows the standard rename replaces an existing file in one step).
#include "platform/IFileStore.h"

class StdFileStore final : public IFileStore {
public:
    std::unique_ptr<std::streambuf> OpenForReading(const std::u16string& path, FileError& error) override;
    std::unique_ptr<IFileReplacement> BeginReplace(const std::u16string& path, FileError& error) override;
};

// The user-facing cause of a failed call that set `errnoValue`.
FileError FileErrorFromErrno(int errnoValue);
