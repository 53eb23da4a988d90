#pragma once
// An INI file in memory, read and changed the way the Windows profile-string
// functions (GetPrivateProfileStringW, WritePrivateProfileStringW) do it:
// - lines end at '\r' or '\n'; ASCII blanks and the DOS end-of-file mark
//   0x1A around lines, names and values do not count;
// - "[name]" opens a section (the name runs to the last ']' of the line);
//   "name=value" is a key, a line without '=' a key without value; a comment
//   line such as "; text" is a key nobody asks for;
// - section and key names match without regard to ASCII case (other
//   letters must match exactly, as under Wine); the first section
//   of a name is the only one searched, and its first key of a name wins;
// - a value read is cut to 259 units (the 260-unit buffer) and loses one
//   pair of matching quotes around it.
// Changing a value edits only that value's text; every other byte of the
// file, comments, blank lines and layout included, stays as it was.
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "lang/IniEncoding.h"

class IniDocument {
public:
    // Units of the buffer the lookups read into, terminator included.
    static constexpr std::size_t kBufferUnits = 260;

    IniDocument() = default;
    explicit IniDocument(IniText ini);

    // The value of `key` in `section`, or `fallback` when the section or the
    // key is missing or the key has no '='. The fallback loses its trailing
    // spaces and is unquoted and cut like a value.
    std::u16string Read(std::u16string_view section, std::u16string_view key,
                        std::u16string_view fallback = {}) const;

    // Sets `key` in `section` to `value` (leading blanks dropped), adding the
    // key at the end of the section or the section at the end of the file
    // when missing. Returns false when the value is already there, so the
    // file need not be written.
    bool Write(std::u16string_view section, std::u16string_view key, std::u16string_view value);

    // Removes the line of `key` in `section` (the one lookups find). Returns
    // false when there is no such key.
    bool Erase(std::u16string_view section, std::u16string_view key);

    // The keys with a value in `section`, in file order, each name once (the
    // one lookups find), with its value as Read gives it.
    std::vector<std::pair<std::u16string, std::u16string>> Entries(std::u16string_view section) const;

    const IniText& Contents() const { return ini_; }

private:
    struct Key {
        std::u16string name;
        bool hasValue = false;
        std::size_t valueBegin = 0;  // offsets into the text; value ends at lineEnd
        std::size_t lineEnd = 0;     // end of the line without trailing blanks
        std::size_t lineStart = 0;   // first unit of the line
        std::size_t lineNext = 0;    // first unit after the line's break
    };
    struct Section {
        std::u16string name;
        std::vector<Key> keys;
        std::size_t end = 0;  // just past the section's last non-blank line
    };

    void Parse();
    const Section* FindSection(std::u16string_view name) const;
    static const Key* FindKey(const Section& section, std::u16string_view name);
    std::u16string_view ValueOf(const Key& key) const;
    std::u16string LineBreak() const;

    IniText ini_;
    std::vector<Section> sections_;  // the keys before the first header are no section
};
