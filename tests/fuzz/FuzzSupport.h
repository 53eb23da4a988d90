#pragma once
// What every harness shares: the fuzz input served as a file, a prompt that
// stays silent, and the check run on each input. The input is opened the
// way the program opens a data file (with its repairs); whatever loads must
// store and reopen to the very same bytes.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "model/Archive.h"
#include "model/Document.h"
#include "platform/IUserPrompt.h"

namespace fuzz {

class MemoryFileStore final : public IFileStore {
public:
    std::string content;

    std::unique_ptr<std::streambuf> OpenForReading(const std::u16string&, FileError& error) override {
        error = FileError::None;
        return std::make_unique<std::stringbuf>(content, std::ios::in | std::ios::binary);
    }
    std::unique_ptr<IFileReplacement> BeginReplace(const std::u16string&, FileError& error) override {
        error = FileError::AccessDenied;  // harnesses never save
        return nullptr;
    }
};

class SilentPrompt final : public IUserPrompt {
public:
    void Warn(std::u16string_view) override {}
    bool AskYesNo(std::u16string_view) override { return false; }
};

inline std::string Store(CDocument& doc) {
    std::stringbuf buffer(std::ios::out | std::ios::binary);
    CArchive ar(buffer, CArchive::Mode::Store);
    doc.Serialize(ar);
    return buffer.str();
}

template <class Doc>
int OpenStoreReopen(const uint8_t* data, std::size_t size) {
    MemoryFileStore files;
    SilentPrompt prompt;
    const DocumentIo io{files, prompt};
    files.content.assign(reinterpret_cast<const char*>(data), size);
    Doc first;
    if (!first.OnOpenDocument(u"input", io)) return 0;
    files.content = Store(first);
    Doc second;
    if (!second.OnOpenDocument(u"input", io) || Store(second) != files.content) std::abort();
    return 0;
}

}  // namespace fuzz
