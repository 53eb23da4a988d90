// qornctl new FILE: writes the file a first run starts from: for .pfs the
// set holding the default profile "Profile1", current; for .mcs an empty
// macro set.
#include <ostream>

#include "macro/DocMacroSet.h"
#include "model/DocProfileSet.h"
#include "platform/Utf.h"
#include "qornctl/Command.h"
#include "qornctl/DataFile.h"

namespace {
int Save(CDocument& doc, const std::string& file, std::ostream& err) {
    CommandIo cio;
    const bool saved = doc.OnSaveDocument(FromUtf8(file), cio.io);
    cio.prompt.Report(err);
    return saved ? 0 : 1;
}

int Run(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    const auto kind = args.size() == 1 ? KindOfPath(args[0]) : std::nullopt;
    if (kind == DataKind::ProfileSet) {
        CDocProfileSet set;
        set.currentName = u"Profile1";
        set.AddDefaultProfile(set.currentName);
        return Save(set, args[0], err);
    }
    if (kind == DataKind::MacroSet) {
        CDocMacroSet set;
        return Save(set, args[0], err);
    }
    err << "usage: qornctl new FILE (.pfs or .mcs)\n";
    return 2;
}

const CommandRegistration registration{
    {"new", "FILE", "write a new .pfs (default profile Profile1) or an empty .mcs", Run}};
}  // namespace
