#pragma once
// The first input of a key press, sent on the listener thread as the
// keyboard's report arrives, before the report reaches the window: the
// hand-over to the window and then to a worker would cost more than the
// rest of the press. Only keys that just send records (keyboard, mouse,
// media, shortcut) go early, and only their first record; the worker that
// the window then starts for the press claims that record and goes on
// from the second.
//
// Rules:
// - The lane sends nothing until the window publishes the current profile's
//   keys, and again nothing from Suspend to the next Publish: the window
//   suspends it before keys change, a profile change, ReleaseAll and
//   recording, and publishes only when none of them is under way.
// - Nothing goes early while Fn is held: Fn + key is a built-in function
//   or a profile's digit, which only the window decides.
// - A record sent early and not claimed while the window handles that same
//   report (the press started nothing, or the key's assignment is not what
//   the lane had) is handed back by TakeUnclaimed, to be let go of.
//
// Threads: OnReport runs on the listener thread, every other member on the
// user-interface thread. One lock covers the table, the early sends and
// what they left unclaimed, so Suspend returns only after a send under way.
#include <array>
#include <cstdint>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

#include "model/InputRecord.h"

class CDocProfile;
class IInputSink;

class CPressLane {
public:
    // `ledger` takes the early records; it must outlive every OnReport that
    // follows a Publish.
    explicit CPressLane(IInputSink& ledger) : ledger_(ledger) {}

    // Listener thread: one report as the driver gave it. A report that is
    // not a key report (the lost link's) forgets what was held.
    void OnReport(std::span<const uint8_t> report);

    // The first records of `profile`'s keys go early from now on.
    void Publish(const CDocProfile& profile);
    void Suspend();
    bool Suspended() const;
    // The keyboard went away: the next report's keys are all new.
    void Forget();

    // The press of `code` whose first record is `first` takes the record the
    // lane sent for it; false when none was sent or it differs.
    bool Claim(uint8_t code, const InputRecord& first);
    // The early records no press claimed, oldest first; the lane forgets them.
    std::vector<InputRecord> TakeUnclaimed();

private:
    struct Sent {
        uint8_t code;
        InputRecord record;
    };

    IInputSink& ledger_;
    mutable std::mutex mutex_;
    bool suspended_ = true;
    std::array<std::optional<InputRecord>, 256> first_{};
    std::array<uint8_t, 10> previous_{};
    std::vector<Sent> unclaimed_;
};
