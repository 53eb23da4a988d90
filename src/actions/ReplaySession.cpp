#include "actions/ReplaySession.h"

#include <atomic>
#include <mutex>

#include "actions/KeyboardHost.h"
#include "actions/SoftwareActions.h"
#include "device/DeviceArrival.h"
#include "device/DeviceChannel.h"
#include "device/KeyboardCommands.h"
#include "platform/IHostActions.h"
#include "platform/IInputSink.h"
#include "platform/VirtualClock.h"

namespace {
constexpr uint64_t kRunOnLimitMs = 10000;
constexpr char16_t kKeyboardInterfacePath[] = u"\\\\?\\HID#VID_FFFE&PID_011A&MI_01&Col03#replay";

// Everything the program did, in order. What the keyboard received is
// taken from the simulator's log before each new host event, so both kinds
// interleave as they happened (only one activity runs at a time).
class Recorder final : public IInputSink, public IHostActions {
public:
    Recorder(const IClock& clock, KeyboardSimulator& keyboard) : clock_(clock), keyboard_(keyboard) {}

    bool Send(const InputRecord& record) override {
        ReplayEvent e = Make(ReplayEvent::Kind::Input);
        e.record = record;
        return Add(std::move(e));
    }
    void Tap(uint16_t vk, bool up) override {
        ReplayEvent e = Make(ReplayEvent::Kind::Tap);
        e.vk = vk;
        e.flag = up;
        Add(std::move(e));
    }
    bool Launch(const std::u16string& target) override {
        ReplayEvent e = Make(ReplayEvent::Kind::Launch);
        e.text = target;
        return Add(std::move(e));
    }
    void Suspend() override { Add(Make(ReplayEvent::Kind::Suspend)); }
    void Profile(const std::u16string& name) {
        ReplayEvent e = Make(ReplayEvent::Kind::Profile);
        e.text = name;
        Add(std::move(e));
    }
    void Recording(bool on) {
        ReplayEvent e = Make(ReplayEvent::Kind::Recording);
        e.flag = on;
        Add(std::move(e));
    }

    // Ends the record: what happens afterwards (shutting the run down) is not told.
    std::vector<ReplayEvent> Seal() {
        std::lock_guard lock(mutex_);
        TakeDeviceLog();
        sealed_ = true;
        return std::move(events_);
    }

private:
    ReplayEvent Make(ReplayEvent::Kind kind) const {
        ReplayEvent e;
        e.t = clock_.NowMs();
        e.kind = kind;
        return e;
    }
    bool Add(ReplayEvent e) {
        std::lock_guard lock(mutex_);
        if (sealed_) return true;
        TakeDeviceLog();
        events_.push_back(std::move(e));
        return true;
    }
    void TakeDeviceLog() {
        for (const SimulatedDeviceEvent& d : keyboard_.Log()) {
            ReplayEvent e;
            e.t = d.timeMs;
            e.kind = ReplayEvent::Kind::Device;
            e.device = d;
            events_.push_back(std::move(e));
        }
        keyboard_.ClearLog();
    }

    const IClock& clock_;
    KeyboardSimulator& keyboard_;
    std::mutex mutex_;
    std::vector<ReplayEvent> events_;
    bool sealed_ = false;
};

// The main window of the run. Its user-interface thread is the thread that
// runs the script; that thread is "idle", handling what is sent to the
// window, while it waits for the next step or for activations to end.
class ReplayWindow final : public CKeyboardHost {
public:
    ReplayWindow(CDocProfileSet& profiles, CDeviceChannel& channel, Recorder& recorder, IClock& clock)
        : CKeyboardHost(profiles, channel), recorder_(recorder), clock_(clock) {}

    void SelectProfile(const std::u16string& name) override {
        if (Profiles().Find(name) != nullptr) recorder_.Profile(name);
        CKeyboardHost::SelectProfile(name);
    }
    bool IsRecording() const override { return recording_; }
    // A new macro is empty and the run records no keystrokes, so it is not kept.
    void NewMacro() override {}
    void ToggleRecording() override {
        recording_ = !recording_;
        recorder_.Recording(recording_);
        if (recording_) {
            EnterRecording(Channel());
        } else if (const CDocProfile* current = Profiles().Current()) {
            LeaveRecording(Channel(), *current);
        }
    }
    // As SendMessageW: handled once the window's thread is idle, which
    // stays in the handling until it is done.
    void StepBrightness(int step) override {
        while (!idle_) clock_.SleepMs(1);
        handling_ = true;
        OnBrightnessStep(Profiles(), step, *this);
        handling_ = false;
    }

    // Waits on the clock with the window idle.
    void IdleFor(uint32_t ms) {
        idle_ = true;
        clock_.SleepMs(ms);
        while (handling_) clock_.SleepMs(1);
        idle_ = false;
    }

private:
    Recorder& recorder_;
    IClock& clock_;
    bool recording_ = false;
    std::atomic<bool> idle_{false};
    std::atomic<bool> handling_{false};
};
}  // namespace

std::vector<ReplayEvent> RunReplay(CDocProfileSet profiles, const CDispatcher::MacroSource& macros,
                                   const std::vector<ReplayStep>& steps) {
    CVirtualClock clock;
    CVirtualClock::Participant userInterface(clock);
    KeyboardSimulator keyboard(clock);
    CDeviceChannel channel(keyboard, clock);
    Recorder recorder(clock, keyboard);
    ReplayWindow window(profiles, channel, recorder, clock);
    const ActionServices services{recorder, clock, recorder};
    CDispatcher dispatcher(profiles, window, services, macros);
    dispatcher.Runner().SetWaitStep([&window] { window.IdleFor(1); });

    // Start-up: the channel opens, then the current profile becomes current.
    (void)channel.Open();
    window.SelectProfile(profiles.currentName);
    bool ended = false;
    for (const ReplayStep& step : steps) {
        if (step.t > clock.NowMs()) window.IdleFor(static_cast<uint32_t>(step.t - clock.NowMs()));
        ended = step.kind == ReplayStep::Kind::End;
        if (ended) break;
        switch (step.kind) {
        case ReplayStep::Kind::Report:
            if (keyboard.State().plugged) dispatcher.OnDeviceReport(step.report.data(), step.report.size());
            break;
        case ReplayStep::Kind::Unplug:
            keyboard.Unplug();
            (void)OnKeyboardRemoval(kKeyboardInterfacePath, profiles.Current() != nullptr,
                                    [&dispatcher] { dispatcher.OnKeyboardRemoved(); });
            break;
        case ReplayStep::Kind::Plug:
            keyboard.Plug();
            (void)OnKeyboardArrival(kKeyboardInterfacePath, channel, clock, window.IsRecording(),
                                    [&] { window.SelectProfile(profiles.currentName); });
            break;
        case ReplayStep::Kind::End:
            break;
        }
    }
    // Without an end, what the last steps started is let finish, within a limit.
    for (const uint64_t limit = clock.NowMs() + kRunOnLimitMs; !ended && dispatcher.Runner().Running() > 0 &&
                                                                clock.NowMs() < limit;)
        window.IdleFor(1);
    std::vector<ReplayEvent> events = recorder.Seal();
    dispatcher.EndAllActivations();
    channel.Close();
    return events;
}
