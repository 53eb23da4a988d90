#pragma once
// Programs in front that run as administrator, and the restart of the
// program as administrator. Windows drops input that a program of lower
// integrity sends to one of higher (UIPI), and SendInput does not say so:
// the program finds out on each foreground change instead, marks the
// actions that send input as blocked while such a program is in front, says
// so once per program and run in a balloon, and offers "Restart as
// administrator" in the tray menu.
//
// The restart hands the keyboard over: the elevated copy is started with
// "/after PID" naming this process, which then saves, closes the channel
// (commands 7 and 4 with 0) and ends; the new copy waits for it to end
// before it opens the channel, so the keyboard never hears "application
// leaving" after the new handshake.
//
// User-interface thread only.
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/IElevation.h"

class CElevationWatch {
public:
    explicit CElevationWatch(IProcessIntegrity& integrity) : integrity_(integrity) {}

    struct Verdict {
        bool elevated = false;  // input sent now is blocked
        bool balloon = false;   // say so: the first time for this program in this run
    };
    // A foreground change (the watcher's report): the process is asked once.
    // Our own windows and an empty foreground block nothing. Without
    // `canAnnounce` (no tray icon to say it from) the balloon stays due.
    Verdict OnForeground(const std::u16string& program, uint32_t process, bool own, bool canAnnounce = true);

    // "Restart as administrator" is in the tray menu: a program in front ran
    // as administrator in this run, and we do not.
    bool RestartOffered();

private:
    IProcessIntegrity& integrity_;
    std::set<std::u16string> announced_;  // program names in lower case
    bool seen_ = false;                   // a program ran above us in this run
    std::optional<bool> weAreElevated_;
};

// The argument that names the process an elevated copy waits for.
std::u16string RestartArguments(uint32_t ourProcess);
// The process named by "/after PID" (also -after, any case), if any.
std::optional<uint32_t> PredecessorOf(const std::vector<std::u16string>& args);

// Starts the elevated copy; when the user refuses (false), nothing changes.
// Otherwise `leave` runs: the caller saves, closes the channel and ends.
bool RestartAsAdministrator(IElevatedStart& start, uint32_t ourProcess, const std::function<void()>& leave);

// How long a copy waits for the one it replaces.
constexpr uint32_t kPredecessorWaitMs = 30000;
// At start, before anything else (the window of the copy it replaces must
// not be found, nor its channel be open): waits for the process "/after"
// names. True when there was one and it ended.
bool AwaitPredecessor(const std::vector<std::u16string>& args, IElevatedStart& start);
