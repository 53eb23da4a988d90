#include "lang/LanguageLoader.h"

#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include "lang/ProfileFile.h"

namespace {
std::u16string Numbered(std::u16string_view prefix, int n) {
    const std::string digits = std::to_string(n);
    return std::u16string(prefix) + std::u16string(digits.begin(), digits.end());
}

// The folder of a path: up to its last separator. Backslash is the
// separator of the language files; a slash is accepted too. A bare file
// name has the current folder.
std::u16string IncludePath(const std::u16string& path, const std::u16string& include) {
    const std::size_t slash = path.find_last_of(u"\\/");
    return slash == std::u16string::npos ? include : path.substr(0, slash) + u"\\" + include;
}

bool InChain(const std::filesystem::path& file, const std::vector<std::filesystem::path>& chain) {
    for (const std::filesystem::path& loading : chain) {
        std::error_code error;
        if (std::filesystem::equivalent(file, loading, error)) return true;
    }
    return false;
}

void Load(const std::u16string& path, std::u16string& language, TextTable& texts, const ICodePage& codePage,
          std::vector<std::filesystem::path>& chain) {
    const std::filesystem::path file = ProfilePath(path);
    if (InChain(file, chain)) return;
    const IniDocument doc = ReadProfile(file, codePage);
    if (language.empty()) language = doc.Read(u"Language", u"Default", u"English");

    for (int n = 1;; ++n) {
        const std::u16string id = doc.Read(language, Numbered(u"ID", n));
        if (id.empty()) break;
        const std::u16string text = doc.Read(language, Numbered(u"TEXT", n));
        if (!text.empty()) texts.emplace(id, text);
    }

    chain.push_back(file);
    for (int n = 1;; ++n) {
        const std::u16string include = doc.Read(u"include", Numbered(u"include", n));
        if (include.empty()) break;
        Load(IncludePath(path, include), language, texts, codePage, chain);
    }
    chain.pop_back();
}
}  // namespace

void LoadLanguage(const std::u16string& path, std::u16string& language, TextTable& texts,
                  const ICodePage& codePage) {
    std::vector<std::filesystem::path> chain;
    Load(path, language, texts, codePage, chain);
}
