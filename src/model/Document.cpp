#include "model/Document.h"

#include <new>

#include "lang/MultiLanguage.h"
#include "model/Archive.h"
#include "model/DamagedFile.h"
#include "platform/IUserPrompt.h"

const char16_t kUnexpectedFileFormat[] = u"Unexpected file format.";

namespace {
std::u16string Substitute(std::u16string_view format, const std::u16string& path) {
    std::u16string text(format);
    const auto at = text.find(u"%1");
    if (at != std::u16string::npos) text.replace(at, 2, path);
    return text;
}
}  // namespace

std::u16string FileErrorText(FileError error, const std::u16string& path, bool saving) {
    switch (error) {
    case FileError::NotFound: return Substitute(u"%1 was not found.", path);
    case FileError::BadPath: return Substitute(u"%1 contains an invalid path.", path);
    case FileError::AccessDenied: return Substitute(u"Access to %1 was denied.", path);
    case FileError::Sharing: return Substitute(u"A sharing violation occurred while accessing %1.", path);
    case FileError::DiskFull: return Substitute(u"Disk full while accessing %1.", path);
    case FileError::None:
    case FileError::Generic: break;
    }
    return saving ? u"Incorrect filename." : u"Failed to open document.";
}

bool CDocument::OnNewDocument() {
    DeleteContents();
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnOpenDocument(const std::u16string& path, const DocumentIo& io) {
    FileError error = FileError::None;
    mustNotReplace_ = false;
    auto buffer = io.files.OpenForReading(path, error);
    if (!buffer) {
        // Held by another program, or not readable: still the user's file.
        mustNotReplace_ = io.keepDamaged && error != FileError::NotFound;
        io.prompt.Warn(FileErrorText(error, path, false));
        return false;
    }
    DeleteContents();
    SetModifiedFlag(true);
    std::u16string failure;
    try {
        if (buffer->sgetc() != std::streambuf::traits_type::eof()) {
            CArchive ar(*buffer, CArchive::Mode::Load);
            Serialize(ar);
        }
    } catch (const CArchiveException&) {
        failure = kUnexpectedFileFormat;
    } catch (const std::bad_alloc&) {
        failure = FileErrorText(FileError::Generic, path, false);
    }
    if (!failure.empty()) {
        buffer.reset();
        if (!KeepsWhatWasRead()) DeleteContents();
        io.prompt.Warn(io.keepDamaged ? Damaged(failure, path, io) : failure);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

std::u16string CDocument::Damaged(const std::u16string& failure, const std::u16string& path, const DocumentIo& io) {
    const std::optional<std::u16string> kept = KeepDamagedCopy(io.files, path, std::chrono::system_clock::now());
    mustNotReplace_ = !kept;
    if (!kept)
        return failure + u"\n" +
               CMultiLanguage::GetText(u"ID_DAMAGED_FILE_NOT_KEPT",
                                       u"The file could not be copied aside, so it will not be overwritten.");
    return failure + u"\n" +
           Substitute(CMultiLanguage::GetText(u"ID_DAMAGED_FILE_KEPT",
                                              u"It was kept as %1; what could be read is loaded."),
                      *kept);
}

bool CDocument::OnSaveDocument(const std::u16string& path, const DocumentIo& io) {
    FileError error = FileError::None;
    auto replacement = io.files.BeginReplace(path, error);
    if (replacement) {
        try {
            CArchive ar(replacement->Buffer(), CArchive::Mode::Store);
            Serialize(ar);
            error = replacement->Commit();
        } catch (const CArchiveException&) {
            error = replacement->WriteError();
        }
        replacement.reset();  // a failed replacement removes its temporary file
    }
    if (error != FileError::None) {
        io.prompt.Warn(FileErrorText(error, path, true));
        return false;
    }
    SetModifiedFlag(false);
    return true;
}
