#pragma once
// Whole files as byte strings, for tests that write text files into a TempDir.
#include <filesystem>
#include <string>
#include <string_view>

#include "support/TempDir.h"

// Writes `bytes` to `file`, making its folders; returns `file`.
inline std::filesystem::path PutTextFile(const std::filesystem::path& file, std::string_view bytes) {
    std::filesystem::create_directories(file.parent_path());
    WriteFileBytes(file, Bytes(bytes.begin(), bytes.end()));
    return file;
}

inline std::string TextFileBytes(const std::filesystem::path& file) {
    const Bytes bytes = ReadFileBytes(file);
    return std::string(bytes.begin(), bytes.end());
}
