#include "lang/ProfileFile.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <system_error>

#include "platform/ICodePage.h"

namespace {
std::optional<std::string> ReadBytes(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return bytes;
}
}  // namespace

std::filesystem::path ProfilePath(std::u16string_view path) {
    std::u16string native(path);
    if constexpr (std::filesystem::path::preferred_separator != u'\\')
        std::ranges::replace(native, u'\\', static_cast<char16_t>(std::filesystem::path::preferred_separator));
    return std::filesystem::path(native);
}

IniDocument ReadProfile(const std::filesystem::path& file, const ICodePage& codePage) {
    const std::optional<std::string> bytes = ReadBytes(file);
    return bytes ? IniDocument(DecodeIni(*bytes, codePage)) : IniDocument();
}

namespace {
// Applies `change` to the file's document and replaces the file when it
// changed anything.
bool ChangeProfile(const std::filesystem::path& file, const ICodePage& codePage,
                   const std::function<bool(IniDocument&)>& change) {
    std::error_code error;
    const bool exists = std::filesystem::exists(file, error);
    if (error) return false;
    const std::optional<std::string> old = exists ? ReadBytes(file) : std::string();
    // A file that is there but cannot be read is never replaced by one
    // holding the new value alone.
    if (!old) return false;
    IniDocument doc(DecodeIni(*old, codePage));
    if (!change(doc)) return true;
    const std::string bytes = EncodeIni(doc.Contents(), codePage);

    std::filesystem::path temporary = file;
    temporary += ".new";
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (out) std::filesystem::rename(temporary, file, error);
    if (!out || error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}
}  // namespace

bool WriteProfileValue(const std::filesystem::path& file, std::u16string_view section, std::u16string_view key,
                       std::u16string_view value, const ICodePage& codePage) {
    return ChangeProfile(file, codePage, [&](IniDocument& doc) { return doc.Write(section, key, value); });
}

bool EraseProfileValue(const std::filesystem::path& file, std::u16string_view section, std::u16string_view key,
                       const ICodePage& codePage) {
    std::error_code error;
    if (!std::filesystem::exists(file, error)) return !error;
    return ChangeProfile(file, codePage, [&](IniDocument& doc) { return doc.Erase(section, key); });
}
