#pragma once
// Every macro of the user, keyed by name in ordinal UTF-16 order (the order
// of the macro data file), and the name of the macro the macro page shows.
// Key actions refer to macros by name only.
//
// Opening does not empty the set first: after a read error the macros read
// before it stay. The set may be empty. User-interface thread only.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "macro/DocMacro.h"
#include "model/NamedDocuments.h"

class CDocProfileSet;

class CDocMacroSet : public CDocument {
public:
    using MacroMap = NamedDocuments<CDocMacro>;

    void Serialize(CArchive& ar) override;

    CDocMacro* Find(const std::u16string& macroName);
    // Inserts under the macro's own name unless that name is present.
    bool Insert(CDocMacro macro);
    void Erase(const std::u16string& macroName) { macros.erase(macroName); }

    std::u16string NextMacroName() const;
    std::u16string CopyName(std::u16string_view base) const;

    // The macro page's commands.
    // An empty macro named by NextMacroName; returns its name.
    std::u16string NewMacro();
    // An empty macro named by CopyName of `currentName` (no events are
    // copied); returns its name, or empty when no macro is current.
    std::u16string CopyCurrent();
    // Erases the current macro and empties `currentName`. Key actions that
    // name it stay as they are.
    void DeleteCurrent();
    // Gives macro `from` the name `to`, keeping its events (leadWord starts
    // at 0), renames the references of every key action in every profile,
    // and follows with `currentName`. Refused (false) when `to` is empty or
    // taken, or `from` does not exist.
    bool Rename(const std::u16string& from, const std::u16string& to, CDocProfileSet& profiles);
    bool ExportMacro(const std::u16string& macroName, const std::u16string& path, const DocumentIo& io);
    // Reads a macro export file: a new name is added, an existing one is
    // replaced only when the user says so, a macro without a name is refused
    // as a malformed file. The imported name when the set changed.
    std::optional<std::u16string> Import(const std::u16string& path, const DocumentIo& io);

    MacroMap macros;
    std::u16string currentName;
    uint16_t leadWord = 0;
};
