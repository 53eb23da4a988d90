#pragma once
// The four data file kinds as the commands see them: chosen by the file's
// extension, opened and saved through the documents themselves, with the
// documents' messages written to the error stream.
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "model/Document.h"
#include "platform/IUserPrompt.h"
#include "platform/StdFileStore.h"

enum class DataKind { ProfileSet, Profile, MacroSet, Macro };

// By extension (.pfs .pf .mcs .mc, any case); empty for anything else.
std::optional<DataKind> KindOfPath(const std::string& path);
const char* KindName(DataKind kind);

// Collects the documents' messages; questions are answered No.
class RecordingPrompt final : public IUserPrompt {
public:
    void Warn(std::u16string_view text) override { warnings.emplace_back(text); }
    bool AskYesNo(std::u16string_view text) override {
        warnings.emplace_back(text);
        return false;
    }
    // Writes every message as a UTF-8 line; true when there was one.
    bool Report(std::ostream& err) const;

    std::vector<std::u16string> warnings;
};

// The real files and a recording prompt, for one command run.
struct CommandIo {
    StdFileStore files;
    RecordingPrompt prompt;
    DocumentIo io{files, prompt};
};
