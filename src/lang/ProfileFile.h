#pragma once
// INI files on disk, named by Windows-style paths. Reading a file that is
// missing or unreadable gives an empty document, as the profile functions
// do; writing keeps the file's encoding and replaces the file only once the
// new contents are completely on disk, so a failed write leaves it intact.
#include <filesystem>
#include <string_view>

#include "lang/IniDocument.h"

class ICodePage;

// A file path from the Windows-style path the language files use; on other
// systems the backslashes become the native separator.
std::filesystem::path ProfilePath(std::u16string_view path);

IniDocument ReadProfile(const std::filesystem::path& file, const ICodePage& codePage);

// Sets one value as WritePrivateProfileStringW does, creating the file (ANSI)
// when missing. False when the file could not be written.
bool WriteProfileValue(const std::filesystem::path& file, std::u16string_view section, std::u16string_view key,
                        std::u16string_view value, const ICodePage& codePage);

// Removes one key as WritePrivateProfileStringW with a null value does.
// False when the file could not be written; true when there was no such key.
bool EraseProfileValue(const std::filesystem::path& file, std::u16string_view section, std::u16string_view key,
                       const ICodePage& codePage);
