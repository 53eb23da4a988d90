#pragma once
// A temporary folder, the real file store and a recording prompt: what a
// document test needs to open and save real files.
#include <gtest/gtest.h>

#include "model/Document.h"
#include "platform/StdFileStore.h"
#include "support/ArchiveBytes.h"
#include "support/FakeUserPrompt.h"
#include "support/TempDir.h"

class DocumentFixture : public ::testing::Test {
protected:
    TempDir dir;
    StdFileStore files;
    FakeUserPrompt prompt;
    DocumentIo io{files, prompt};

    // The bytes a name takes in an archive string: marker, length, UTF-16LE.
    static Bytes ArchiveString(std::u16string_view text) {
        Bytes b{0xFF, 0xFE, 0xFF, static_cast<uint8_t>(text.size())};
        for (char16_t c : text) {
            b.push_back(static_cast<uint8_t>(c));
            b.push_back(static_cast<uint8_t>(c >> 8));
        }
        return b;
    }
    static Bytes Cat(std::initializer_list<Bytes> parts) {
        Bytes all;
        for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
        return all;
    }
    // The bytes `doc` stores.
    static Bytes Store(CDocument& doc) {
        return StoreToBytes([&](CArchive& ar) { doc.Serialize(ar); });
    }
    static Bytes Head(const Bytes& b, std::size_t n) { return Bytes(b.begin(), b.begin() + static_cast<long>(n)); }
};
