#include "ui/ProgramLinks.h"

#include <algorithm>

#include "lang/ProfileFile.h"

namespace {
constexpr char16_t kSection[] = u"Programs";

char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

bool SameProgram(std::u16string_view a, std::u16string_view b) {
    return std::ranges::equal(a, b, [](char16_t x, char16_t y) { return Lower(x) == Lower(y); });
}
}  // namespace

std::u16string ProgramFileName(std::u16string_view path) {
    const std::size_t slash = path.find_last_of(u"\\/");
    return std::u16string(slash == std::u16string_view::npos ? path : path.substr(slash + 1));
}

void CProgramLinks::Load() { links_ = ReadProfile(file_, codePage_).Entries(kSection); }

std::optional<std::u16string> CProgramLinks::ProfileFor(std::u16string_view program) const {
    const std::u16string name = ProgramFileName(program);
    for (const auto& [linked, profile] : links_)
        if (SameProgram(linked, name)) return profile;
    return std::nullopt;
}

std::u16string CProgramLinks::ProgramOf(const std::u16string& profile) const {
    for (const auto& [program, linked] : links_)
        if (linked == profile) return program;
    return {};
}

bool CProgramLinks::Link(std::u16string_view program, const std::u16string& profile) {
    const std::u16string name = ProgramFileName(program);
    if (name.empty()) return false;
    bool written = Unlink(profile);
    // The program may have been another profile's: the key holds one value.
    written = WriteProfileValue(file_, kSection, name, profile, codePage_) && written;
    Load();
    return written;
}

bool CProgramLinks::Unlink(const std::u16string& profile) {
    bool written = true;
    for (const auto& [program, linked] : links_)
        if (linked == profile) written = EraseProfileValue(file_, kSection, program, codePage_) && written;
    Load();
    return written;
}

bool CProgramLinks::RenameProfile(const std::u16string& from, const std::u16string& to) {
    bool written = true;
    for (const auto& [program, linked] : links_)
        if (linked == from) written = WriteProfileValue(file_, kSection, program, to, codePage_) && written;
    Load();
    return written;
}
