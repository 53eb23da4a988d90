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

// What a document needs from outside to open or save: the files and the user.
struct DocumentIo {
    IFileStore& files;
    IUserPrompt& prompt;
};

class CDocument {
public:
    virtual ~CDocument() = default;

    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true) { modified_ = modified; }

    virtual void Serialize(CArchive& ar) = 0;
    // Empties the content before a load and after a failed one.
    virtual void DeleteContents() {}

    virtual bool OnNewDocument();
    virtual bool OnOpenDocument(const std::u16string& path, const DocumentIo& io);
    virtual bool OnSaveDocument(const std::u16string& path, const DocumentIo& io);

protected:
    CDocument() = default;
    // A copy is a new document: the modified flag is never copied.
    CDocument(const CDocument&) {}
    CDocument& operator=(const CDocument&) { return *this; }

private:
    bool modified_ = false;
};

// The standard text for a file error on `path`. `saving` picks the fallback
// when no specific text applies.
std::u16string FileErrorText(FileError error, const std::u16string& path, bool saving);

extern const char16_t kUnexpectedFileFormat[];
