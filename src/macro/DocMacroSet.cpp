#include "macro/DocMacroSet.h"

#include <utility>

#include "model/Archive.h"
#include "model/DocProfileSet.h"
#include "model/NamingRules.h"

void CDocMacroSet::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteU16(leadWord);
        ar.WriteU32(static_cast<uint32_t>(macros.size()));
        for (auto& entry : macros) entry.second.Serialize(ar);
        ar.WriteString(currentName);
    } else {
        // The file's leading word is not kept, not even when the load fails
        // later: the set always writes 0.
        (void)ar.ReadU16();
        const uint32_t count = ar.ReadU32();
        // A macro whose name is empty, repeated, or already in the set is dropped.
        for (uint32_t i = 0; i < count; ++i) {
            CDocMacro scratch;
            scratch.Serialize(ar);
            if (!scratch.name.empty()) Insert(std::move(scratch));
        }
        currentName = ar.ReadString();
    }
    leadWord = 0;
}

CDocMacro* CDocMacroSet::Find(const std::u16string& macroName) { return FindNamed(macros, macroName); }

bool CDocMacroSet::Insert(CDocMacro macro) { return InsertNamed(macros, std::move(macro)); }

std::u16string CDocMacroSet::NextMacroName() const {
    return NextFreeName(u"Macro", [this](const std::u16string& n) { return macros.contains(n); });
}

std::u16string CDocMacroSet::CopyName(std::u16string_view base) const {
    return ::CopyName(base, [this](const std::u16string& n) { return macros.contains(n); });
}

std::u16string CDocMacroSet::NewMacro() {
    CDocMacro macro;
    macro.name = NextMacroName();
    std::u16string name = macro.name;
    Insert(std::move(macro));
    return name;
}

std::u16string CDocMacroSet::CopyCurrent() {
    if (!macros.contains(currentName)) return {};
    CDocMacro macro;
    macro.name = CopyName(currentName);
    std::u16string name = macro.name;
    Insert(std::move(macro));
    return name;
}

void CDocMacroSet::DeleteCurrent() {
    macros.erase(currentName);
    currentName.clear();
}

bool CDocMacroSet::Rename(const std::u16string& from, const std::u16string& to, CDocProfileSet& profiles) {
    auto old = macros.find(from);
    if (to.empty() || old == macros.end() || macros.contains(to)) return false;
    CDocMacro renamed;
    renamed.name = to;
    renamed.events = std::move(old->second.events);
    macros.erase(old);
    Insert(std::move(renamed));
    for (auto& entry : profiles.profiles)
        for (CKeyAction& key : entry.second.keys)
            if (key.macroName == from) key.macroName = to;
    if (currentName == from) currentName = to;
    return true;
}

bool CDocMacroSet::ExportMacro(const std::u16string& macroName, const std::u16string& path, const DocumentIo& io) {
    return ExportNamed(macros, macroName, path, io);
}

std::optional<std::u16string> CDocMacroSet::Import(const std::u16string& path, const DocumentIo& io) {
    return ImportNamed(macros, path, io);
}
