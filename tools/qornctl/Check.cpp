// qornctl check FILE: exit 0 when the program would load the file cleanly;
// otherwise print the message the program shows and exit 1; for a damaged
// set, also how many of its entries the program recovers. An export file
// whose profile or macro has no name counts as malformed, because importing
// it is refused.
#include <filesystem>
#include <ostream>

#include "macro/DocMacroSet.h"
#include "model/DocProfileSet.h"
#include "platform/Utf.h"
#include "qornctl/Command.h"
#include "qornctl/DataFile.h"

namespace {
template <class Doc>
int CheckAs(const std::string& file, bool needsName, std::ostream& err) {
    CommandIo cio;
    Doc doc;
    const bool opened = doc.OnOpenDocument(FromUtf8(file), cio.io);
    if constexpr (requires { doc.name; }) {
        if (opened && needsName && doc.name.empty()) cio.prompt.Warn(kUnexpectedFileFormat);
    }
    const bool failed = cio.prompt.Report(err) || !opened;
    // What the program keeps of a damaged set (a missing one has nothing).
    if (failed && std::filesystem::exists(std::filesystem::path(FromUtf8(file)))) {
        if constexpr (requires { doc.loadedCount; }) err << "recoverable profiles: " << doc.loadedCount << "\n";
        if constexpr (requires { doc.macros; }) err << "recoverable macros: " << doc.macros.size() << "\n";
    }
    return failed ? 1 : 0;
}

int Run(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    const auto kind = args.size() == 1 ? KindOfPath(args[0]) : std::nullopt;
    if (!kind) {
        err << "usage: qornctl check FILE (.pfs, .pf, .mcs or .mc)\n";
        return 2;
    }
    switch (*kind) {
    case DataKind::ProfileSet: return CheckAs<CDocProfileSet>(args[0], false, err);
    case DataKind::Profile: return CheckAs<CDocProfile>(args[0], true, err);
    case DataKind::MacroSet: return CheckAs<CDocMacroSet>(args[0], false, err);
    case DataKind::Macro: return CheckAs<CDocMacro>(args[0], true, err);
    }
    return 2;
}

const CommandRegistration registration{
    {"check", "FILE", "exit 0 when the file loads cleanly, else print the program's message and exit 1", Run}};
}  // namespace
