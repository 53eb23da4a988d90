// kbsim: the simulated keyboard's command line. Presses and releases keys
// and shows what the program told the keyboard, while the program runs.
#include <windows.h>
#include <dbt.h>

#include <cstddef>
#include <iostream>
#include <string>
#include <vector>

#include "kbsim/KbSimText.h"
#include "kbsim/KeyReport.h"
#include "kbsim/win32/KbSimClient.h"
#include "app/MainApp.h"

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
    "  unplug [fail]         pull the keyboard out: it forgets what it was told, the program hears\n"
    "                        of the removal; with fail its waiting requests fail too\n"
    "  plug                  plug the keyboard in: the program hears of its arrival\n"
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

// The interface path of the keyboard's report collection, as Windows names it.
constexpr wchar_t kKeyboardInterface[] =
    L"\\\\?\\HID#VID_FFFE&PID_011A&MI_01&Col03#8&2f0c6b1e&0&0002#{4d1e55b2-f16f-11cf-88cb-001111000030}";
// The class of HID interfaces (HidD_GetHidGuid).
constexpr GUID kHidInterfaceClass = {0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

// Tells the program's window what Windows would: the keyboard's interface
// arrived or was removed, in a device-interface record. Sent, not posted:
// the record is marshalled only with a sent message, and the program has
// handled it once this returns.
int TellProgram(bool arrived) {
    HWND window = FindWindowW(CMainApp::kMainWindowClass, nullptr);
    if (window == nullptr) return std::cerr << "kbsim: the program is not running\n", 1;
    const std::size_t nameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
    std::vector<std::byte> bytes(nameOffset + sizeof kKeyboardInterface);
    auto* record = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(bytes.data());
    record->dbcc_size = static_cast<DWORD>(bytes.size());
    record->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    record->dbcc_classguid = kHidInterfaceClass;
    std::copy(std::begin(kKeyboardInterface), std::end(kKeyboardInterface), record->dbcc_name);
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(window, WM_DEVICECHANGE, arrived ? DBT_DEVICEARRIVAL : DBT_DEVICEREMOVECOMPLETE,
                             reinterpret_cast<LPARAM>(record), SMTO_ABORTIFHUNG, 30000, &answer))
        return Fail("the program did not answer", GetLastError());
    return 0;
}

int Unplug(KbSimClient& kb, const Args& args) {
    if (args.size() > 1 || (args.size() == 1 && args[0] != "fail")) return std::cerr << kUsage, 2;
    if (DWORD e = kb.Unplug(!args.empty())) return Fail("cannot unplug the keyboard", e);
    return TellProgram(false);
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
    if (command == "unplug") return Unplug(kb, args);
    if (command == "plug" && args.empty()) return TellProgram(true);
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
