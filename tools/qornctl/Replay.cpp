// qornctl replay --profiles FILE.pfs [--macros FILE.mcs] SCRIPT
#include <fstream>
#include <ostream>

#include "actions/MacroPlayback.h"
#include "actions/ReplaySession.h"
#include "macro/DocMacroSet.h"
#include "platform/Utf.h"
#include "qornctl/Command.h"
#include "qornctl/DataFile.h"
#include "qornctl/ReplayJson.h"

namespace {
struct ReplayArgs {
    std::string profiles;
    std::string macros;
    std::string script;
};

bool ParseArgs(const std::vector<std::string>& args, ReplayArgs& parsed) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if ((args[i] == "--profiles" || args[i] == "--macros") && i + 1 < args.size()) {
            (args[i] == "--profiles" ? parsed.profiles : parsed.macros) = args[i + 1];
            ++i;
        } else if (parsed.script.empty() && !args[i].starts_with("--")) {
            parsed.script = args[i];
        } else {
            return false;
        }
    }
    return !parsed.profiles.empty() && !parsed.script.empty();
}

int Replay(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ReplayArgs parsed;
    if (!ParseArgs(args, parsed)) {
        err << "usage: qornctl replay --profiles FILE.pfs [--macros FILE.mcs] SCRIPT\n";
        return 2;
    }
    // A data file that cannot be read is an error here, not a fresh start.
    CommandIo cio;
    CDocProfileSet profiles;
    profiles.OnOpenDocument(FromUtf8(parsed.profiles), cio.io);
    CDocMacroSet macros;
    if (!parsed.macros.empty()) macros.OnOpenDocument(FromUtf8(parsed.macros), cio.io);
    if (cio.prompt.Report(err)) return 1;

    std::ifstream script(parsed.script);
    if (!script) {
        err << "qornctl: cannot read " << parsed.script << "\n";
        return 1;
    }
    std::vector<ReplayStep> steps;
    try {
        steps = ParseReplayScript(script);
    } catch (const ReplayScriptError& e) {
        err << "qornctl: " << e.what() << "\n";
        return 1;
    }
    const auto snapshot = [&macros](const std::u16string& name) { return SnapshotOf(macros, name); };
    for (const ReplayEvent& e : RunReplay(std::move(profiles), snapshot, steps)) out << ReplayEventJson(e).dump() << "\n";
    return 0;
}

const CommandRegistration kReplay({"replay", "--profiles FILE.pfs [--macros FILE.mcs] SCRIPT",
                                   "plays a script of keyboard reports in virtual time and prints what the "
                                   "program did (JSON Lines)",
                                   Replay});
}  // namespace
