// Our INI reader and writer against the system's profile functions, on
// every file of the corpus in every encoding the functions accept.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "lang/ProfileFile.h"
#include "platform/Utf.h"
#include "platform/win32/Win32CodePage.h"
#include "support/TextFile.h"
#include "win/support/IniCorpus.h"

namespace {
const Win32CodePage codePage;

const IniEncoding kEncodings[] = {IniEncoding::Utf16Le, IniEncoding::Utf8, IniEncoding::Ansi};

std::string EncodingName(IniEncoding e) {
    return e == IniEncoding::Utf16Le ? "UTF-16LE" : e == IniEncoding::Utf8 ? "UTF-8" : "ANSI";
}

const wchar_t* W(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }

std::u16string SystemRead(const std::filesystem::path& file, const std::u16string& section, const std::u16string& key,
                          const std::u16string& fallback) {
    wchar_t buffer[IniDocument::kBufferUnits];
    const DWORD n = GetPrivateProfileStringW(W(section), W(key), W(fallback), buffer, IniDocument::kBufferUnits,
                                             file.wstring().c_str());
    return std::u16string(reinterpret_cast<const char16_t*>(buffer), n);
}

std::u16string Cased(std::u16string s, bool upper) {
    if (!s.empty()) {
        auto* text = reinterpret_cast<wchar_t*>(s.data());
        const auto n = static_cast<DWORD>(s.size());
        upper ? CharUpperBuffW(text, n) : CharLowerBuffW(text, n);
    }
    return s;
}

// Names to ask for, taken from the text independently of our parser: what
// stands between brackets or before '=' on each line, plus names that are
// nowhere; with `variants`, also in other cases and with blanks around.
struct Probes {
    std::set<std::u16string> sections{u"Missing", u"Language"};
    std::set<std::u16string> keys{u"Missing", u"Default"};
};

Probes ProbesOf(const std::u16string& text, bool variants) {
    Probes p;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of(u"\r\n", start);
        if (end == std::u16string::npos) end = text.size();
        const std::u16string line = text.substr(start, end - start);
        const std::size_t first = line.find_first_not_of(u" \t");
        if (first != std::u16string::npos && line[first] == u'[') {
            const std::size_t close = line.find(u']', first);
            if (close != std::u16string::npos) p.sections.insert(line.substr(first + 1, close - first - 1));
            const std::size_t last = line.rfind(u']');
            if (last != std::u16string::npos) p.sections.insert(line.substr(first + 1, last - first - 1));
        }
        const std::u16string name = line.substr(0, line.find(u'='));
        const std::size_t from = name.find_first_not_of(u" \t"), to = name.find_last_not_of(u" \t");
        if (from != std::u16string::npos) p.keys.insert(name.substr(from, to - from + 1));
        start = end + 1;
    }
    for (auto* names : {&p.sections, &p.keys}) {
        std::set<std::u16string> more;
        for (const std::u16string& n : *names) {
            if (!variants) continue;
            more.insert(Cased(n, true));
            more.insert(Cased(n, false));
            more.insert(u" " + n + u"\t");
        }
        names->insert(more.begin(), more.end());
        names->erase(u"");
    }
    return p;
}

std::string Show(const std::u16string& s) { return "'" + ToUtf8(s) + "'"; }

// Reads every probe through the system from `file` and through `read`, with
// each fallback; returns the differences in words.
template <class Read>
std::vector<std::string> Differences(const Probes& p, const std::vector<std::u16string>& fallbacks,
                                     const std::filesystem::path& file, Read read) {
    std::vector<std::string> out;
    for (const auto& section : p.sections)
        for (const auto& key : p.keys)
            for (const std::u16string& fallback : fallbacks) {
                const std::u16string system = SystemRead(file, section, key, fallback);
                const std::u16string other = read(section, key, fallback);
                if (other != system)
                    out.push_back("[" + ToUtf8(section) + "] " + ToUtf8(key) + ": " + Show(other) + ", system " +
                                  Show(system));
            }
    return out;
}

std::string Report(const std::vector<std::string>& differences) {
    std::string text;
    for (std::size_t i = 0; i < differences.size() && i < 15; ++i) text += "  " + differences[i] + "\n";
    return text;
}

class ProfileStrings : public testing::Test {
protected:
    std::filesystem::path Store(const std::string& bytes) {
        return PutTextFile(folder / ("f" + std::to_string(next++) + ".ini"), bytes);
    }
    TempDir folder;
    int next = 0;
};
}  // namespace

TEST_F(ProfileStrings, EveryCorpusFileReadsAsTheSystemReadsIt) {
    for (const IniCorpusFile& corpusFile : IniCorpus()) {
        const Probes probes = ProbesOf(corpusFile.text, true);
        for (IniEncoding encoding : kEncodings) {
            const std::string bytes = EncodeIni({encoding, corpusFile.text}, codePage);
            const std::filesystem::path file = Store(bytes);
            const IniDocument doc = ReadProfile(file, codePage);
            const auto differences =
                Differences(probes, {u"", u"fallback  "}, file, [&](auto& s, auto& k, auto& f) { return doc.Read(s, k, f); });
            EXPECT_TRUE(differences.empty()) << corpusFile.name << " in " << EncodingName(encoding) << ":\n"
                                             << Report(differences);
        }
    }
}

TEST_F(ProfileStrings, EveryCorpusFileChangesAsTheSystemChangesIt) {
    struct Change {
        std::u16string section, key, value;
    };
    const Change changes[] = {
        {u"Language", u"Default", u"Korean"}, {u"language", u"DEFAULT", u"  Chinese"}, {u"S", u"k", u"changed"},
        {u"Q", u"a", u"\"quoted\""},          {u"A", u"k", u"first"},                  {u"B", u"later", u"x"},
        {u"NoEquals", u"Default", u"English"}, {u"Values", u"ID1", u""},               {u"Long", u"plain259", u"short"},
        {u"\ud55c\uad6d\uc5b4", u"ID1", u"\ud55c"},
    };
    for (const IniCorpusFile& corpusFile : IniCorpus()) {
        if (corpusFile.name == kEmptySectionName) continue;
        const Probes probes = ProbesOf(corpusFile.text, false);
        for (IniEncoding encoding : kEncodings) {
            const std::string bytes = EncodeIni({encoding, corpusFile.text}, codePage);
            for (const Change& c : changes) {
                const std::filesystem::path ours = Store(bytes), theirs = Store(bytes);
                ASSERT_TRUE(WriteProfileValue(ours, c.section, c.key, c.value, codePage));
                ASSERT_TRUE(WritePrivateProfileStringW(W(c.section), W(c.key), W(c.value), theirs.wstring().c_str()));
                const std::string where = corpusFile.name + " in " + EncodingName(encoding) + ", [" +
                                          ToUtf8(c.section) + "] " + ToUtf8(c.key) + ":\n";
                // Both files read the same through the system...
                const auto differences = Differences(probes, {u""}, ours, [&](auto& s, auto& k, auto& f) {
                    return SystemRead(theirs, s, k, f);
                });
                EXPECT_TRUE(differences.empty()) << where << Report(differences);
                // ...and ours keeps its encoding.
                EXPECT_EQ(DecodeIni(TextFileBytes(ours), codePage).encoding, encoding) << where;
            }
        }
    }
}

TEST_F(ProfileStrings, KeysUnderAnEmptyHeaderStayOutOfReach) {
    const auto& corpus = IniCorpus();
    const auto it = std::ranges::find(corpus, std::string(kEmptySectionName), &IniCorpusFile::name);
    ASSERT_NE(it, corpus.end());
    const std::filesystem::path file = Store(EncodeIni({IniEncoding::Utf16Le, it->text}, codePage));
    ASSERT_TRUE(WriteProfileValue(file, u"T", u"m", u"6", codePage));
    EXPECT_EQ(SystemRead(file, u"S", u"k", u""), u"1");
    EXPECT_EQ(SystemRead(file, u"S", u"n", u"none"), u"none");
    EXPECT_EQ(SystemRead(file, u"T", u"m", u""), u"6");
}
