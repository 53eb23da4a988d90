// qornctl apply FILE.pfs [NAME]: shows what making a profile current sends
// to the keyboard and its driver, without the keyboard. The profile (default:
// the set's current one) is applied the way the main window does it, to the
// keyboard simulator in virtual time: open (handshake), the key interception,
// the backlight and the gaming mode, close. Prints one JSON line per command
// or upload received, then the final state.
#include <ostream>

#include "device/DeviceChannel.h"
#include "device/KeyboardCommands.h"
#include "device/sim/KeyboardSimulator.h"
#include "model/DocProfileSet.h"
#include "platform/Utf.h"
#include "platform/VirtualClock.h"
#include "qornctl/Command.h"
#include "qornctl/DataFile.h"
#include "qornctl/SimulatorJson.h"

namespace {
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args.size() > 2 || KindOfPath(args[0]) != DataKind::ProfileSet) {
        err << "usage: qornctl apply FILE.pfs [NAME]\n";
        return 2;
    }
    CommandIo cio;
    CDocProfileSet set;
    set.OnOpenDocument(FromUtf8(args[0]), cio.io);
    // The set falls back to a default profile when the file is unreadable;
    // that is not the file's profile, so it is an error here.
    if (cio.prompt.Report(err)) return 1;
    const std::u16string name = args.size() == 2 ? FromUtf8(args[1]) : set.currentName;
    const CDocProfile* profile = set.Find(name);
    if (!profile) {
        err << "qornctl apply: no profile named '" << ToUtf8(name) << "'\n";
        return 1;
    }

    CVirtualClock clock;
    CVirtualClock::Participant self(clock);
    KeyboardSimulator keyboard(clock);
    {
        CDeviceChannel channel(keyboard, clock);
        // The simulator always answers; a failed handshake would show in the output.
        (void)channel.Open();
        ApplyProfile(channel, *profile);
    }
    for (const SimulatedDeviceEvent& event : keyboard.Log()) out << DeviceEventJson(event).dump() << "\n";
    out << SimulatorStateJson(keyboard.State()).dump() << "\n";
    return 0;
}

const CommandRegistration registration{{"apply", "FILE.pfs [NAME]",
                                        "show as JSON Lines what making a profile current sends to the keyboard",
                                        Run}};
}  // namespace
