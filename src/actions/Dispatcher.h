#pragma once
// Turns the stream of keyboard reports into key presses and releases of the
// current profile's keys: Fn + digit selects a profile by accelerator, Fn
// with F1..F12 and Pause runs the built-in functions, and every other
// pressed key's action runs on a worker thread of its own.
//
// Threads: every member runs on the user-interface thread, one report at a
// time. Workers and repeats share only the key records' runtime fields and
// the snapshot of a macro taken here when the press is dispatched. The
// listener thread sees each report first, in the press lane, which may send
// a press's first record before the report gets here (actions/PressLane.h).
//
// Every input of every action goes through the dispatcher's ledger of held
// keys (CHeldInput), so that ReleaseAll can let go of what they left down.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "actions/ActionServices.h"
#include "actions/ActivationRunner.h"
#include "actions/HeldInput.h"
#include "actions/PressLane.h"

class CDocProfile;
class CDocProfileSet;
class CKeyAction;
class IDispatcherHost;

class CDispatcher {
public:
    static constexpr std::size_t kReportSize = 12;
    static constexpr uint8_t kFnCode = 0x73;

    // The events of the macro of that name now, or null when there is none.
    using MacroSource = std::function<MacroSnapshot(const std::u16string& name)>;

    // Everything given must outlive the dispatcher. The actions send
    // through the ledger, which sends to `services.input`.
    CDispatcher(CDocProfileSet& profiles, IDispatcherHost& host, const ActionServices& services,
                MacroSource macros);
    ~CDispatcher();
    CDispatcher(const CDispatcher&) = delete;
    CDispatcher& operator=(const CDispatcher&) = delete;

    // 1 when the report was processed; 0, changing nothing, when its length
    // is not 12 or no profile is current.
    int OnDeviceReport(const uint8_t* report, std::size_t length);

    // The keyboard went away: every key of the current profile counts as
    // released, the next report's held keys as newly pressed, and
    // ReleaseAll runs.
    void OnKeyboardRemoved();

    // Ends every activation where it stands (a loop or a macro mid-pass
    // included) and waits for it, then lets go of everything still held,
    // newest first. True when every release was taken; what the system
    // refused stays held and is sent again by the next call. Presses
    // reported while it waits start nothing, Fn functions included.
    bool ReleaseAll();
    // The ledger itself, for a crash handler that cannot wait for activations.
    CHeldInput& Held() { return held_; }

    // Ends the activations that read these keys and waits for them: a
    // profile's keys before the profile is deleted or overwritten, one key
    // before its assignment is replaced.
    void EndActivations(std::span<CKeyAction> keys) {
        lane_->Suspend();
        runner_.EndAndWait(keys);
    }
    // Ends and waits for every activation; at shutdown.
    void EndAllActivations() { runner_.EndAll(); }
    CActivationRunner& Runner() { return runner_; }
    // For the listener thread's receiver, which may outlive the dispatcher:
    // the lane sends nothing once the dispatcher is gone.
    std::shared_ptr<CPressLane> Lane() const { return lane_; }

private:
    struct Change {
        CKeyAction* key;
        bool press;
    };

    // OnDeviceReport without the lane's settling.
    int Dispatch(const uint8_t* report, std::size_t length);
    std::vector<Change> Changes(CDocProfile& profile, const uint8_t* report);
    void SelectByAccelerator(std::vector<Change>& changes);
    void RunFnFunctions(CDocProfile& profile, std::vector<Change>& changes);
    void RunFnFunction(CDocProfile& profile, int slot, CKeyAction& key);
    void StartRepeat(CDocProfile& profile, CKeyAction& key, int opposite, std::function<void(const std::atomic<bool>&)> repeat);
    void StartWorker(CKeyAction& key);
    // After a report: lets go of the early records no press claimed, and
    // opens the lane again when nothing keeps it shut.
    void SettleLane();

    CDocProfileSet& profiles_;
    IDispatcherHost& host_;
    CHeldInput held_;
    std::shared_ptr<CPressLane> lane_;
    const ActionServices services_;
    MacroSource macros_;
    CActivationRunner runner_;
    std::array<uint8_t, kReportSize> previous_{};
    bool fnHeld_ = false;
    // Set while ReleaseAll waits: reports that arrive meanwhile (the wait
    // handles the window's sent messages) start nothing, so the wait ends.
    bool releasing_ = false;
};
