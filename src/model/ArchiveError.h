#pragma once
// Raised by the archive; a document that catches it reports its file as
// "Unexpected file format." (end of data, bad length) or as a program fault
// (wrong direction).
#include <stdexcept>

class CArchiveException : public std::runtime_error {
public:
    enum class Cause {
        EndOfFile,   // a number or string reaches past the end of the data
        ReadOnly,    // storing into an archive opened for loading
        WriteOnly,   // loading from an archive opened for storing
        BadLength,   // a string length beyond what the format allows
        WriteFailed  // the underlying stream refused bytes
    };

    explicit CArchiveException(Cause cause);
    Cause GetCause() const { return cause_; }

private:
    Cause cause_;
};
