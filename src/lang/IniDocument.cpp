#include "lang/IniDocument.h"

#include <algorithm>

namespace {
// Blanks as the profile functions see them: the ASCII white space plus the
// DOS end-of-file mark, which old files carry. Other Unicode spaces are text.
bool IsBlank(char16_t c) { return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x1A; }

// Names compare without regard to case of the ASCII letters only.
char16_t Fold(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 0x20) : c; }

bool SameName(std::u16string_view a, std::u16string_view b) {
    return std::ranges::equal(a, b, [](char16_t x, char16_t y) { return Fold(x) == Fold(y); });
}

std::u16string_view Trim(std::u16string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// What lands in the caller's buffer: text up to a NUL, one pair of matching
// quotes removed, at most kBufferUnits - 1 units. A quoted value that only
// just fits loses its last unit with the closing quote, as the system does.
std::u16string CopyEntry(std::u16string_view value) {
    value = value.substr(0, value.find(u'\0'));
    const bool quoted = value.size() >= 2 && (value[0] == u'\'' || value[0] == u'"') && value.back() == value[0];
    if (quoted) value.remove_prefix(1);
    std::u16string out(value.substr(0, IniDocument::kBufferUnits - 1));
    if (quoted && IniDocument::kBufferUnits >= value.size()) out.pop_back();
    return out;
}
}  // namespace

IniDocument::IniDocument(IniText ini) : ini_(std::move(ini)) { Parse(); }

void IniDocument::Parse() {
    sections_.clear();
    const std::u16string& t = ini_.text;
    std::size_t next = 0;
    while (next < t.size()) {
        std::size_t begin = next;
        const std::size_t lineStart = begin;
        const std::size_t lineBreak = t.find_first_of(u"\r\n", begin);
        next = lineBreak == std::u16string::npos ? t.size() : lineBreak + 1;
        if (next < t.size() && t[next - 1] == u'\r' && t[next] == u'\n') ++next;
        std::size_t end = next;
        while (begin < end && IsBlank(t[begin])) ++begin;
        while (end > begin && IsBlank(t[end - 1])) --end;
        if (begin == end) continue;

        const std::u16string_view line(t.data() + begin, end - begin);
        const std::size_t close = line.rfind(u']');
        if (line[0] == u'[' && close != std::u16string_view::npos) {
            sections_.push_back({std::u16string(Trim(line.substr(1, close - 1))), {}, next});
            continue;
        }
        if (sections_.empty()) continue;

        Key key;
        key.lineEnd = end;
        key.lineStart = lineStart;
        key.lineNext = next;
        const std::size_t equals = line.find(u'=');
        if (equals == std::u16string_view::npos) {
            key.name = line;
        } else {
            key.name = Trim(line.substr(0, equals));
            key.hasValue = true;
            key.valueBegin = end - Trim(line.substr(equals + 1)).size();
        }
        sections_.back().keys.push_back(std::move(key));
        sections_.back().end = next;
    }
}

const IniDocument::Section* IniDocument::FindSection(std::u16string_view name) const {
    name = Trim(name);
    for (const Section& s : sections_)
        if (!s.name.empty() && SameName(s.name, name)) return &s;
    return nullptr;
}

const IniDocument::Key* IniDocument::FindKey(const Section& section, std::u16string_view name) {
    name = Trim(name);
    for (const Key& k : section.keys)
        if (SameName(k.name, name)) return &k;
    return nullptr;
}

std::u16string_view IniDocument::ValueOf(const Key& key) const {
    return std::u16string_view(ini_.text).substr(key.valueBegin, key.lineEnd - key.valueBegin);
}

std::u16string IniDocument::Read(std::u16string_view section, std::u16string_view key,
                                 std::u16string_view fallback) const {
    if (key.empty()) return {};
    const Section* s = FindSection(section);
    const Key* k = s ? FindKey(*s, key) : nullptr;
    if (k && k->hasValue) return CopyEntry(ValueOf(*k));
    while (fallback.size() > 1 && fallback.back() == u' ') fallback.remove_suffix(1);
    return CopyEntry(fallback);
}

std::u16string IniDocument::LineBreak() const {
    const std::u16string& t = ini_.text;
    if (t.find(u"\r\n") != std::u16string::npos || t.find(u'\n') == std::u16string::npos) return u"\r\n";
    return u"\n";
}

bool IniDocument::Write(std::u16string_view section, std::u16string_view key, std::u16string_view value) {
    while (!value.empty() && IsBlank(value.front())) value.remove_prefix(1);
    std::u16string& t = ini_.text;
    const std::u16string br = LineBreak();
    const auto breakBefore = [&](std::size_t at) { return at > 0 && t[at - 1] != u'\n' && t[at - 1] != u'\r' ? br : std::u16string(); };
    const std::u16string entry = std::u16string(Trim(key)) + u"=" + std::u16string(value) + br;

    if (const Section* s = FindSection(section)) {
        if (const Key* k = FindKey(*s, key)) {
            if (!k->hasValue)
                t.insert(k->lineEnd, u"=" + std::u16string(value));
            else if (ValueOf(*k) == value)
                return false;
            else
                t.replace(k->valueBegin, k->lineEnd - k->valueBegin, value);
        } else {
            t.insert(s->end, breakBefore(s->end) + entry);
        }
    } else {
        const std::u16string gap = t.empty() ? std::u16string() : breakBefore(t.size()) + br;
        t += gap + u"[" + std::u16string(Trim(section)) + u"]" + br + entry;
    }
    Parse();
    return true;
}

bool IniDocument::Erase(std::u16string_view section, std::u16string_view key) {
    const Section* s = FindSection(section);
    const Key* k = s ? FindKey(*s, key) : nullptr;
    if (!k) return false;
    ini_.text.erase(k->lineStart, k->lineNext - k->lineStart);
    Parse();
    return true;
}

std::vector<std::pair<std::u16string, std::u16string>> IniDocument::Entries(std::u16string_view section) const {
    std::vector<std::pair<std::u16string, std::u16string>> entries;
    const Section* s = FindSection(section);
    if (!s) return entries;
    for (const Key& k : s->keys)
        if (k.hasValue && !k.name.empty() && FindKey(*s, k.name) == &k) entries.emplace_back(k.name, CopyEntry(ValueOf(k)));
    return entries;
}
