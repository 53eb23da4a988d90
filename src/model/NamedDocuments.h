#pragma once
// What the profile set and the macro set share: a map of documents keyed by
// their own `name` in ordinal UTF-16 order, and a document's export file
// going in and out of it.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "model/Document.h"
#include "platform/IUserPrompt.h"

template <class Doc>
using NamedDocuments = std::map<std::u16string, Doc>;

// The user's question before an import replaces the document `name`.
std::u16string ReplaceQuestion(const std::u16string& name);

template <class Doc>
Doc* FindNamed(NamedDocuments<Doc>& map, const std::u16string& name) {
    auto it = map.find(name);
    return it == map.end() ? nullptr : &it->second;
}

// Inserts under the document's own name unless that name is present;
// returns whether it was inserted.
template <class Doc>
bool InsertNamed(NamedDocuments<Doc>& map, Doc doc) {
    std::u16string key = doc.name;
    return map.try_emplace(std::move(key), std::move(doc)).second;
}

// Saves the named document alone to an export file.
template <class Doc>
bool ExportNamed(NamedDocuments<Doc>& map, const std::u16string& name, const std::u16string& path,
                 const DocumentIo& io) {
    Doc* doc = FindNamed(map, name);
    return doc && doc->OnSaveDocument(path, io);
}

// Reads an export file: a new name is added, an existing one is replaced
// only when the user says so (after `beforeReplace` has run on it), a
// document without a name is refused as a malformed file. The imported name
// when the map changed.
template <class Doc>
std::optional<std::u16string> ImportNamed(NamedDocuments<Doc>& map, const std::u16string& path,
                                          const DocumentIo& io,
                                          const std::function<void(Doc& replaced)>& beforeReplace = {}) {
    Doc imported;
    if (!imported.OnOpenDocument(path, io)) return std::nullopt;
    if (imported.name.empty()) {
        io.prompt.Warn(kUnexpectedFileFormat);
        return std::nullopt;
    }
    std::u16string name = imported.name;
    if (Doc* existing = FindNamed(map, name)) {
        if (!io.prompt.AskYesNo(ReplaceQuestion(name))) return std::nullopt;
        if (beforeReplace) beforeReplace(*existing);
        *existing = imported;
    } else {
        InsertNamed(map, std::move(imported));
    }
    return name;
}
