#include "model/ArchiveError.h"

namespace {
const char* Describe(CArchiveException::Cause cause) {
    switch (cause) {
    case CArchiveException::Cause::EndOfFile: return "archive: unexpected end of data";
    case CArchiveException::Cause::ReadOnly: return "archive: store into a loading archive";
    case CArchiveException::Cause::WriteOnly: return "archive: load from a storing archive";
    case CArchiveException::Cause::BadLength: return "archive: string length out of range";
    case CArchiveException::Cause::WriteFailed: return "archive: write failed";
    }
    return "archive: error";
}
}  // namespace

CArchiveException::CArchiveException(Cause cause) : std::runtime_error(Describe(cause)), cause_(cause) {}
