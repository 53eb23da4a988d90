#include "macro/DocMacro.h"

#include <algorithm>

#include "model/Archive.h"

namespace {
// Room reserved up front for a stored count; larger lists grow as their
// bytes actually arrive.
constexpr uint32_t kReserveLimit = 4096;
}  // namespace

CDocMacro::CDocMacro(const CDocMacro& other) : CDocument(other) { CopyFrom(other); }

CDocMacro& CDocMacro::operator=(const CDocMacro& other) {
    CopyFrom(other);
    return *this;
}

void CDocMacro::CopyFrom(const CDocMacro& other) {
    if (this == &other) return;
    leadWord = other.leadWord;
    name = other.name;
    events = other.events;
}

void CDocMacro::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteU16(leadWord);
        ar.WriteString(name);
        ar.WriteU32(static_cast<uint32_t>(events.size()));
        if (!events.empty()) ar.WriteBlock(events.data(), events.size() * sizeof(MacroEvent));
        return;
    }
    leadWord = ar.ReadU16();
    name = ar.ReadString();
    const uint32_t count = ar.ReadU32();
    events.clear();
    events.reserve(std::min(count, kReserveLimit));
    for (uint32_t i = 0; i < count; ++i) {
        MacroEvent& e = events.emplace_back();
        if (ar.ReadBlock(e.Bytes().data(), sizeof(MacroEvent)) != sizeof(MacroEvent)) {
            events.pop_back();
            throw CArchiveException(CArchiveException::Cause::EndOfFile);
        }
    }
}

void CDocMacro::DeleteContents() { events.clear(); }
