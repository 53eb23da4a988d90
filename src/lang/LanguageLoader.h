#pragma once
// Merges a language file and the files it includes into a text table.
//
// File layout: section "Language" key "Default" names the language to use
// when none is chosen; the language's own section holds "ID<n>" (a text
// identifier) and "TEXT<n>" (its text) for n = 1, 2, ...; section "include"
// holds "include<n>", paths relative to the folder of the naming file.
// Numbering stops at the first missing ID<n> or include<n>; an entry without
// TEXT<n> is skipped. Empty values count as missing.
//
// Order: a file's own entries, then each include's whole tree in turn; the
// first text of an identifier wins. A file already being loaded further up
// the include chain is not loaded again, so include cycles end.
#include <map>
#include <string>

class ICodePage;

using TextTable = std::map<std::u16string, std::u16string>;

// `language` empty: read "Default" of `path` into it first, "English" when
// the key is absent (an empty value stays empty and finds no texts). The
// same holds for each included file while `language` is still empty.
// A missing file contributes nothing. Nothing is written.
void LoadLanguage(const std::u16string& path, std::u16string& language, TextTable& texts,
                  const ICodePage& codePage);
