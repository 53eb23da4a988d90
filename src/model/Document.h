#pragma once
// Base of the four documents: the modified flag, and opening and saving a
// file with the file errors told to the user in the standard texts.
//
// Opening reads the whole archive form, or nothing from an empty file;
// a read error empties the document (DeleteContents) and is reported.
// Saving writes a complete replacement beside the file and swaps it in only
// when every byte is written, so a failed save leaves the old file whole.
//
// User-interface thread only.
#include <string>

#include "platform/IFileStore.h"

class CArchive;
class IUserPrompt;

// What a document needs from outside to open or save: the files and the
// user. With `keepDamaged`, a file that is there but cannot be read whole is
// first copied beside itself (the program's own data files, which the next
// save replaces); tools that only look leave it false.
struct DocumentIo {
    IFileStore& files;
    IUserPrompt& prompt;
    bool keepDamaged = false;
};

class CDocument {
public:
    virtual ~CDocument() = default;

    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true) { modified_ = modified; }

    virtual void Serialize(CArchive& ar) = 0;
    // Empties the content before a load and, unless KeepsWhatWasRead, after
    // a failed one.
    virtual void DeleteContents() {}
    // True for the sets: entries read whole before the damage stay.
    virtual bool KeepsWhatWasRead() const { return false; }

    // After an open with `keepDamaged`: the file is there but could not be
    // read whole, and no copy of it could be kept. Saving over it would lose
    // the user's data, so the owner does not.
    bool MustNotReplace() const { return mustNotReplace_; }

    virtual bool OnNewDocument();
    virtual bool OnOpenDocument(const std::u16string& path, const DocumentIo& io);
    virtual bool OnSaveDocument(const std::u16string& path, const DocumentIo& io);

protected:
    CDocument() = default;
    // A copy is a new document: the modified flag is never copied.
    CDocument(const CDocument&) {}
    CDocument& operator=(const CDocument&) { return *this; }

private:
    // The warning for a file that was there but could not be read whole.
    std::u16string Damaged(const std::u16string& failure, const std::u16string& path, const DocumentIo& io);

    bool modified_ = false;
    bool mustNotReplace_ = false;
};

// The standard text for a file error on `path`. `saving` picks the fallback
// when no specific text applies.
std::u16string FileErrorText(FileError error, const std::u16string& path, bool saving);

extern const char16_t kUnexpectedFileFormat[];
