#pragma once
// The byte form of every data file: little-endian numbers, raw blocks and
// the archive string (FF FE FF marker, escaped length, UTF-16LE units),
// over a stream buffer opened for either storing or loading.
//
// Errors are CArchiveException: a number or string past the end of the data,
// a store into a loading archive and the reverse. Raw blocks are the
// exception: a block cut short by the end of the data keeps the rest of the
// caller's bytes and raises nothing.
//
// Not thread-safe; one archive per document operation.
#include <cstddef>
#include <cstdint>
#include <streambuf>
#include <string>
#include <string_view>

#include "model/ArchiveError.h"

class ICodePage;

class CArchive {
public:
    enum class Mode { Store, Load };

    // `codePage` converts narrow strings met while loading; it must outlive
    // the archive. The default is the portable Windows-1252 table.
    CArchive(std::streambuf& buffer, Mode mode);
    CArchive(std::streambuf& buffer, Mode mode, const ICodePage& codePage);
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsStoring() const { return mode_ == Mode::Store; }
    bool IsLoading() const { return mode_ == Mode::Load; }

    void WriteU8(uint8_t v);
    void WriteU16(uint16_t v);
    void WriteU32(uint32_t v);
    void WriteU64(uint64_t v);
    void WriteBlock(const void* data, std::size_t size);
    void WriteString(std::u16string_view text);

    uint8_t ReadU8();
    uint16_t ReadU16();
    uint32_t ReadU32();
    uint64_t ReadU64();
    // Returns how many bytes arrived; the rest of `data` is left as it was.
    std::size_t ReadBlock(void* data, std::size_t size);
    std::u16string ReadString();

    // Store or load the value depending on the direction, so a Serialize
    // operation lists its fields once.
    void Transfer(uint32_t& v);
    void Transfer(uint16_t& v);
    void Transfer(std::u16string& text);
    void TransferBlock(void* data, std::size_t size);

private:
    void RequireStoring() const;
    void RequireLoading() const;
    void Put(const void* data, std::size_t size);
    void Get(void* data, std::size_t size);
    uint64_t ReadLengthAfterMarker();
    std::u16string ReadWideText(uint64_t length);
    std::u16string ReadNarrowText(uint64_t length);

    std::streambuf& buffer_;
    Mode mode_;
    const ICodePage& codePage_;
};
