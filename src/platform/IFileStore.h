#pragma once
// Reading a data file and replacing it whole. A replacement is written
// beside the target and takes its place in one step only when complete, so
// an interrupted or failed save never leaves a damaged file behind.
//
// Errors are values: the cause the user is told about. Called on one thread
// at a time per path.
#include <memory>
#include <streambuf>
#include <string>

enum class FileError {
    None,
    NotFound,      // the file (not its folder) does not exist
    BadPath,       // the folder does not exist, or the name is not a valid path
    AccessDenied,
    Sharing,       // another program holds the file
    DiskFull,
    Generic,       // anything else
};

// A replacement being written. Destroying it without a successful Commit
// discards what was written and leaves the target as it was.
class IFileReplacement {
public:
    virtual ~IFileReplacement() = default;
    virtual std::streambuf& Buffer() = 0;
    // Why the last write into Buffer() fell short; Generic when unknown.
    virtual FileError WriteError() const = 0;
    // Flushes the bytes to the medium, then puts them in place of the target
    // in one step. On failure the target is unchanged.
    virtual FileError Commit() = 0;
};

class IFileStore {
public:
    virtual ~IFileStore() = default;
    // An existing file opened for reading, or null with `error` set.
    virtual std::unique_ptr<std::streambuf> OpenForReading(const std::u16string& path, FileError& error) = 0;
    // A replacement for `path` (which may not exist yet), or null with `error` set.
    virtual std::unique_ptr<IFileReplacement> BeginReplace(const std::u16string& path, FileError& error) = 0;
};
