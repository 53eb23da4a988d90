// qornctl dump FILE: what a data file holds, as JSON. The file is read the
// way the program reads it, without the program's repairs (no default
// profile is added, no current name is changed), so the output shows the
// file itself.
#include <ostream>

#include "macro/DocMacroSet.h"
#include "model/DocProfileSet.h"
#include "platform/Utf.h"
#include "qornctl/Command.h"
#include "qornctl/DataFile.h"
#include "qornctl/JsonForm.h"

namespace {
template <class Doc>
int DumpAs(const std::string& file, Json (*toJson)(const Doc&), std::ostream& out, std::ostream& err) {
    CommandIo cio;
    Doc doc;
    if (!doc.CDocument::OnOpenDocument(FromUtf8(file), cio.io)) {
        cio.prompt.Report(err);
        return 1;
    }
    out << toJson(doc).dump(2) << "\n";
    return 0;
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto kind = args.size() == 1 ? KindOfPath(args[0]) : std::nullopt;
    if (!kind) {
        err << "usage: qornctl dump FILE (.pfs, .pf, .mcs or .mc)\n";
        return 2;
    }
    switch (*kind) {
    case DataKind::ProfileSet: return DumpAs<CDocProfileSet>(args[0], ProfileSetFileJson, out, err);
    case DataKind::Profile: return DumpAs<CDocProfile>(args[0], ProfileFileJson, out, err);
    case DataKind::MacroSet: return DumpAs<CDocMacroSet>(args[0], MacroSetFileJson, out, err);
    case DataKind::Macro: return DumpAs<CDocMacro>(args[0], MacroFileJson, out, err);
    }
    return 2;
}

const CommandRegistration registration{
    {"dump", "FILE", "print a .pfs, .pf, .mcs or .mc file as JSON (kind by extension)", Run}};
}  // namespace
