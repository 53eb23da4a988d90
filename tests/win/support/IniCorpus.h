#pragma once
// Language files that are hard to read right: the corpus of the comparison
// between our INI reader and the system's profile functions. Each file is
// text; the tests store it in every encoding the functions accept.
#include <string>
#include <vector>

struct IniCorpusFile {
    std::string name;
    std::u16string text;
};

const std::vector<IniCorpusFile>& IniCorpus();

// The file with a "[]" header. The system saves a changed file by writing
// its whole tree again and leaves that header out, so the keys under it move
// into the section before; ours keeps the file as it was. Writes to it are
// compared in a test of their own.
inline constexpr const char* kEmptySectionName = "empty section name";
