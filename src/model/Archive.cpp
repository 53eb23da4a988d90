#include "model/Archive.h"

#include <algorithm>
#include <array>
#include <vector>

#include "platform/Windows1252CodePage.h"

namespace {
// Strings are read in pieces of this many bytes so that a length field
// larger than the data never allocates more than the data holds.
constexpr std::size_t kChunk = 64 * 1024;
constexpr uint64_t kMaxLength = 0x7FFFFFFF;
}  // namespace

CArchive::CArchive(std::streambuf& buffer, Mode mode)
    : CArchive(buffer, mode, Windows1252CodePage::Instance()) {}

CArchive::CArchive(std::streambuf& buffer, Mode mode, const ICodePage& codePage)
    : buffer_(buffer), mode_(mode), codePage_(codePage) {}

void CArchive::RequireStoring() const {
    if (!IsStoring()) throw CArchiveException(CArchiveException::Cause::ReadOnly);
}

void CArchive::RequireLoading() const {
    if (!IsLoading()) throw CArchiveException(CArchiveException::Cause::WriteOnly);
}

void CArchive::Put(const void* data, std::size_t size) {
    RequireStoring();
    auto written = buffer_.sputn(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (written != static_cast<std::streamsize>(size))
        throw CArchiveException(CArchiveException::Cause::WriteFailed);
}

void CArchive::Get(void* data, std::size_t size) {
    RequireLoading();
    auto got = buffer_.sgetn(static_cast<char*>(data), static_cast<std::streamsize>(size));
    if (got != static_cast<std::streamsize>(size))
        throw CArchiveException(CArchiveException::Cause::EndOfFile);
}

void CArchive::WriteU8(uint8_t v) { Put(&v, 1); }

void CArchive::WriteU16(uint16_t v) {
    const std::array<uint8_t, 2> b{static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)};
    Put(b.data(), b.size());
}

void CArchive::WriteU32(uint32_t v) {
    std::array<uint8_t, 4> b;
    for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<uint8_t>(v >> (8 * i));
    Put(b.data(), b.size());
}

void CArchive::WriteU64(uint64_t v) {
    std::array<uint8_t, 8> b;
    for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<uint8_t>(v >> (8 * i));
    Put(b.data(), b.size());
}

void CArchive::WriteBlock(const void* data, std::size_t size) { Put(data, size); }

void CArchive::WriteString(std::u16string_view text) {
    // Always the wide form: marker, then the shortest length escape.
    WriteU8(0xFF);
    WriteU16(0xFFFE);
    const uint64_t n = text.size();
    if (n < 0xFF) {
        WriteU8(static_cast<uint8_t>(n));
    } else if (n < 0xFFFE) {
        WriteU8(0xFF);
        WriteU16(static_cast<uint16_t>(n));
    } else if (n < 0xFFFFFFFF) {
        WriteU8(0xFF);
        WriteU16(0xFFFF);
        WriteU32(static_cast<uint32_t>(n));
    } else {
        WriteU8(0xFF);
        WriteU16(0xFFFF);
        WriteU32(0xFFFFFFFF);
        WriteU64(n);
    }
    std::vector<uint8_t> bytes;
    bytes.reserve(std::min<std::size_t>(text.size(), kChunk) * 2);
    for (std::size_t at = 0; at < text.size(); at += kChunk) {
        bytes.clear();
        for (char16_t c : text.substr(at, kChunk)) {
            bytes.push_back(static_cast<uint8_t>(c));
            bytes.push_back(static_cast<uint8_t>(c >> 8));
        }
        Put(bytes.data(), bytes.size());
    }
}

uint8_t CArchive::ReadU8() {
    uint8_t v;
    Get(&v, 1);
    return v;
}

uint16_t CArchive::ReadU16() {
    std::array<uint8_t, 2> b;
    Get(b.data(), b.size());
    return static_cast<uint16_t>(b[0] | b[1] << 8);
}

uint32_t CArchive::ReadU32() {
    std::array<uint8_t, 4> b;
    Get(b.data(), b.size());
    uint32_t v = 0;
    for (std::size_t i = 0; i < b.size(); ++i) v |= static_cast<uint32_t>(b[i]) << (8 * i);
    return v;
}

uint64_t CArchive::ReadU64() {
    std::array<uint8_t, 8> b;
    Get(b.data(), b.size());
    uint64_t v = 0;
    for (std::size_t i = 0; i < b.size(); ++i) v |= static_cast<uint64_t>(b[i]) << (8 * i);
    return v;
}

std::size_t CArchive::ReadBlock(void* data, std::size_t size) {
    RequireLoading();
    auto got = buffer_.sgetn(static_cast<char*>(data), static_cast<std::streamsize>(size));
    return got < 0 ? 0 : static_cast<std::size_t>(got);
}

// After the u16 escape FFFF (or a wide marker followed by a byte FF and a
// u16 FFFF): a u32, and if that is all ones, a u64 bounded to 2^31-1.
uint64_t CArchive::ReadLengthAfterMarker() {
    const uint32_t d = ReadU32();
    if (d < 0xFFFFFFFF) return d;
    const uint64_t q = ReadU64();
    if (q > kMaxLength) throw CArchiveException(CArchiveException::Cause::BadLength);
    return q;
}

std::u16string CArchive::ReadString() {
    RequireLoading();
    bool wide = false;
    uint64_t length = ReadU8();
    if (length == 0xFF) {
        uint16_t w = ReadU16();
        if (w == 0xFFFE) {
            wide = true;
            const uint8_t b = ReadU8();
            w = b < 0xFF ? b : ReadU16();
        }
        length = w < 0xFFFF ? w : ReadLengthAfterMarker();
    }
    return wide ? ReadWideText(length) : ReadNarrowText(length);
}

std::u16string CArchive::ReadWideText(uint64_t length) {
    std::u16string text;
    std::vector<uint8_t> bytes;
    for (uint64_t left = length; left > 0;) {
        const auto units = static_cast<std::size_t>(std::min<uint64_t>(left, kChunk));
        bytes.resize(units * 2);
        Get(bytes.data(), bytes.size());
        for (std::size_t i = 0; i < units; ++i)
            text.push_back(static_cast<char16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8));
        left -= units;
    }
    return text;
}

std::u16string CArchive::ReadNarrowText(uint64_t length) {
    std::string bytes;
    for (uint64_t left = length; left > 0;) {
        const auto n = static_cast<std::size_t>(std::min<uint64_t>(left, kChunk));
        const std::size_t at = bytes.size();
        bytes.resize(at + n);
        Get(bytes.data() + at, n);
        left -= n;
    }
    return codePage_.ToUtf16(bytes);
}

void CArchive::Transfer(uint32_t& v) {
    if (IsStoring()) WriteU32(v);
    else v = ReadU32();
}

void CArchive::Transfer(uint16_t& v) {
    if (IsStoring()) WriteU16(v);
    else v = ReadU16();
}

void CArchive::Transfer(std::u16string& text) {
    if (IsStoring()) WriteString(text);
    else text = ReadString();
}

void CArchive::TransferBlock(void* data, std::size_t size) {
    if (IsStoring()) WriteBlock(data, size);
    else ReadBlock(data, size);
}
