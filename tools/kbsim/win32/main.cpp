// kbsim: the simulated keyboard's command line. Presses and releases keys
// and shows what the program told the keyboard, while the program runs.
#include <windows.h>

#include <iostream>
#include <string>
#include <vector>

#include "kbsim/KbSimText.h"
#include "kbsim/KeyReport.h"
#include "kbsim/win32/KbSimClient.h"

namespace {

using Args = std::vector<std::string>;

const char kUsage[] =
    "usage: kbsim COMMAND [ARGS]\n"
    "  press KEY...          hold keys (one report with all of them held)\n"
    "  release KEY...        let keys go\n"
    "  tap KEY...            press, then release\n"
    "  report HEX            send a raw 12-byte report (24 hex digits)\n"
    "  state                 what the program told the keyboard, as JSON\n"
    "  log [FROM]            what the keyboard and driver received, JSON Lines\n"
    "  clear-log             forget the log\n"
    "  fault MODE [N|always] off, busy, wrong-echo, silent or fail, for N replies (default 1)\n"
    "KEY: a key table name (A, F10, L-Shift, \"Page Up\"), KP + name for the keypad, Fn, or 0xNN.\n";

int Fail(const std::string& what, DWORD error) {
    std::cerr << "kbsim: " << what << " (error " << error << ")\n";
    if (error == ERROR_FILE_NOT_FOUND) std::cerr << "kbsim: the simulated keyboard's driver is not running in this Wine prefix\n";
    return 1;
}

// Applies `change` to the keys the keyboard holds now and sends the result.
int ChangeKeys(KbSimClient& kb, const Args& names, bool press) {
    if (names.empty()) return std::cerr << kUsage, 2;
    KbSimState state{};
    if (DWORD e = kb.State(state)) return Fail("cannot read the keyboard's state", e);
    KeyReport report{};
    std::copy(std::begin(state.held), std::end(state.held), report.begin());
    for (const std::string& name : names) {
        const auto key = FindReportKey(name);
        if (!key) return std::cerr << "kbsim: unknown key '" << name << "'\n", 2;
        if (!press) {
            ReleaseKey(report, *key);
        } else if (!PressKey(report, *key)) {
            return std::cerr << "kbsim: the keyboard reports at most ten held keys\n", 2;
        }
    }
    if (DWORD e = kb.Inject(report)) return Fail(e == ERROR_BUSY ? "the report queue is full" : "cannot send the report", e);
    return 0;
}

int Report(KbSimClient& kb, const Args& args) {
    std::string hex;
    for (const std::string& a : args) hex += a;
    const auto report = ParseKeyReport(hex);
    if (!report) return std::cerr << "kbsim: a report is 12 bytes in hex, e.g. 00 02 04 00 00 00 00 00 00 00 00 00\n", 2;
    if (DWORD e = kb.Inject(*report)) return Fail("cannot send the report", e);
    return 0;
}

int State(KbSimClient& kb) {
    KbSimState state{};
    if (DWORD e = kb.State(state)) return Fail("cannot read the keyboard's state", e);
    std::cout << StateJson(state).dump() << "\n";
    return 0;
}

int Log(KbSimClient& kb, const Args& args) {
    uint32_t from = 0;
    if (args.size() > 1) return std::cerr << kUsage, 2;
    if (!args.empty()) {
        try {
            from = uint32_t(std::stoul(args[0]));
        } catch (const std::exception&) {
            return std::cerr << "kbsim: FROM is a log sequence number\n", 2;
        }
    }
    std::vector<KbSimLogEntry> entries;
    uint32_t next = 0;
    if (DWORD e = kb.ReadLog(from, entries, next)) return Fail("cannot read the log", e);
    for (const KbSimLogEntry& entry : entries) std::cout << LogEntryJson(entry).dump() << "\n";
    return 0;
}

int Fault(KbSimClient& kb, const Args& args) {
    if (args.empty() || args.size() > 2) return std::cerr << kUsage, 2;
    const auto mode = ParseFaultMode(args[0]);
    const auto count = args.size() == 2 ? ParseFaultCount(args[1]) : std::optional<uint32_t>(1);
    if (!mode || !count) return std::cerr << kUsage, 2;
    if (DWORD e = kb.SetFault(*mode, *count)) return Fail("cannot set the fault", e);
    return 0;
}

int Run(const std::string& command, const Args& args) {
    KbSimClient kb;
    if (kb.OpenError()) return Fail("cannot open the simulated keyboard", kb.OpenError());
    if (command == "press") return ChangeKeys(kb, args, true);
    if (command == "release") return ChangeKeys(kb, args, false);
    if (command == "tap") {
        const int pressed = ChangeKeys(kb, args, true);
        return pressed ? pressed : ChangeKeys(kb, args, false);
    }
    if (command == "report") return Report(kb, args);
    if (command == "state" && args.empty()) return State(kb);
    if (command == "log") return Log(kb, args);
    if (command == "clear-log" && args.empty()) {
        if (DWORD e = kb.ClearLog()) return Fail("cannot clear the log", e);
        return 0;
    }
    if (command == "fault") return Fault(kb, args);
    std::cerr << kUsage;
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return std::cerr << kUsage, 2;
    const std::string command = argv[1];
    if (command == "help" || command == "--help" || command == "-h") return std::cout << kUsage, 0;
    return Run(command, Args(argv + 2, argv + argc));
}
