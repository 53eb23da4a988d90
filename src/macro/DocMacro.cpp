#include "macro/DocMacro.h"

#include <algorithm>

#include "model/Archive.h"

namespace {
constexpr uint32_t kBatchEvents = 4096;
}  // namespace

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
    // Events arrive in batches, so a stored count never claims more memory
    // than one batch beyond the bytes actually present.
    events.clear();
    for (uint32_t left = count; left > 0;) {
        const uint32_t batch = std::min(left, kBatchEvents);
        const std::size_t at = events.size();
        events.resize(at + batch);
        const std::size_t want = std::size_t{batch} * sizeof(MacroEvent);
        const std::size_t got = ar.ReadBlock(events.data() + at, want);
        if (got != want) {
            events.resize(at + got / sizeof(MacroEvent));
            throw CArchiveException(CArchiveException::Cause::EndOfFile);
        }
        left -= batch;
    }
}

void CDocMacro::DeleteContents() { events.clear(); }
