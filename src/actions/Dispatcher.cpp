#include "actions/Dispatcher.h"

#include <algorithm>
#include <span>

#include "actions/IDispatcherHost.h"
#include "actions/MediaControl.h"
#include "actions/SoftwareActions.h"
#include "model/DocProfileSet.h"

namespace {
// Slots of the Fn layer's keys (their virtual-key codes).
enum FnSlot : int {
    kSlotPause = 19,
    kSlotF1 = 112,
    kSlotF2 = 113,
    kSlotF3 = 114,
    kSlotF5 = 116,
    kSlotF6 = 117,
    kSlotF7 = 118,
    kSlotF9 = 120,
    kSlotF10 = 121,
    kSlotF11 = 122,
    kSlotF12 = 123,
};
constexpr std::array<int, 11> kFnSlots = {kSlotF1,  kSlotF2,  kSlotF3,  kSlotF5,  kSlotF6,  kSlotF7,
                                          kSlotF9,  kSlotF10, kSlotF11, kSlotF12, kSlotPause};

// The digit key n of the main block reports n + 29.
constexpr uint32_t kDigitCodeOffset = 29;

CKeyAction* FindKey(CDocProfile& profile, uint32_t code, uint32_t keyType) {
    const auto it = std::find_if(profile.keys.begin(), profile.keys.end(),
                                 [&](const CKeyAction& k) { return k.code == code && k.keyType == keyType; });
    return it == profile.keys.end() ? nullptr : &*it;
}

bool Holds(std::span<const uint8_t> codes, uint8_t code) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

CKeyAction* Slot(CDocProfile& profile, int slot) {
    return static_cast<std::size_t>(slot) < profile.keys.size() ? &profile.keys[static_cast<std::size_t>(slot)] : nullptr;
}
}  // namespace

CDispatcher::CDispatcher(CDocProfileSet& profiles, IDispatcherHost& host, const ActionServices& services,
                         MacroSource macros)
    : profiles_(profiles),
      host_(host),
      held_(services.input),
      lane_(std::make_shared<CPressLane>(held_)),
      services_{held_, services.clock, services.host, services.activity},
      macros_(std::move(macros)), runner_(services.clock) {}

CDispatcher::~CDispatcher() { lane_->Suspend(); }

int CDispatcher::OnDeviceReport(const uint8_t* report, std::size_t length) {
    const int processed = Dispatch(report, length);
    SettleLane();
    return processed;
}

int CDispatcher::Dispatch(const uint8_t* report, std::size_t length) {
    if (length != kReportSize || report == nullptr) return 0;
    CDocProfile* profile = profiles_.Current();
    if (profile == nullptr) return 0;
    std::vector<Change> changes = Changes(*profile, report);
    std::copy(report, report + kReportSize, previous_.begin());
    if (releasing_) return 1;
    if (fnHeld_) {
        if (!host_.IsRecording()) SelectByAccelerator(changes);
        RunFnFunctions(*profile, changes);
    }
    if (!host_.IsRecording())
        for (const Change& change : changes)
            if (change.press) StartWorker(*change.key);
    return 1;
}

void CDispatcher::SettleLane() {
    for (const InputRecord& record : lane_->TakeUnclaimed()) (void)held_.ReleaseOf(record);
    const CDocProfile* profile = profiles_.Current();
    if (releasing_ || host_.IsRecording() || profile == nullptr)
        lane_->Suspend();
    else if (lane_->Suspended())
        lane_->Publish(*profile);
}

std::vector<CDispatcher::Change> CDispatcher::Changes(CDocProfile& profile, const uint8_t* report) {
    std::vector<Change> changes;
    const uint8_t modifiers = report[1];
    for (unsigned bit = 0x01; bit <= 0x80; bit <<= 1) {
        const bool held = (modifiers & bit) != 0;
        if (held == ((previous_[1] & bit) != 0)) continue;
        if (CKeyAction* key = FindKey(profile, bit, kKeyTypeModifier)) {
            key->released = held ? 0 : 1;
            changes.push_back({key, held});
        }
    }
    const std::span<const uint8_t> now(report + 2, kReportSize - 2);
    const std::span<const uint8_t> before(previous_.data() + 2, kReportSize - 2);
    fnHeld_ = false;
    for (const uint8_t code : now) {
        if (code == 0) continue;
        if (code == kFnCode) fnHeld_ = true;
        if (Holds(before, code)) continue;
        if (CKeyAction* key = FindKey(profile, code, kKeyTypeNormal)) {
            key->released = 0;
            changes.push_back({key, true});
        }
    }
    for (const uint8_t code : before) {
        if (code == 0 || Holds(now, code)) continue;
        if (CKeyAction* key = FindKey(profile, code, kKeyTypeNormal)) {
            key->released = 1;
            changes.push_back({key, false});
        }
    }
    return changes;
}

// The first profile in name order whose accelerator digit changed wins; a
// digit that no profile claims is left to run its own action.
void CDispatcher::SelectByAccelerator(std::vector<Change>& changes) {
    for (const auto& [name, candidate] : profiles_.profiles) {
        if (candidate.accelerator == 0) continue;
        const uint32_t code = candidate.accelerator + kDigitCodeOffset;
        const auto found = std::find_if(changes.rbegin(), changes.rend(), [&](const Change& c) {
            return c.key->code == code && c.key->keyType == kKeyTypeNormal;
        });
        if (found == changes.rend()) continue;
        const bool press = found->press;
        changes.erase(std::next(found).base());
        if (press) host_.SelectProfile(name);
        return;
    }
}

void CDispatcher::RunFnFunctions(CDocProfile& profile, std::vector<Change>& changes) {
    for (auto it = changes.begin(); it != changes.end();) {
        const auto slot = std::find_if(kFnSlots.begin(), kFnSlots.end(), [&](int s) {
            const CKeyAction* fnKey = Slot(profile, s);
            return fnKey != nullptr && it->key->keyType == kKeyTypeNormal && it->key->code == fnKey->code;
        });
        if (slot == kFnSlots.end()) {
            ++it;
            continue;
        }
        const Change change = *it;
        it = changes.erase(it);
        // While a macro is recorded only Fn+F9, which ends the recording, acts.
        if (change.press && (*slot == kSlotF9 || !host_.IsRecording())) RunFnFunction(profile, *slot, *change.key);
    }
}

void CDispatcher::RunFnFunction(CDocProfile& profile, int slot, CKeyAction& key) {
    const CMediaControl& media = MediaControl::get_const_instance();
    const ActionServices& services = services_;
    switch (slot) {
    case kSlotF1:
        return media.Mute(services);
    case kSlotF2:
    case kSlotF3: {
        const bool up = slot == kSlotF3;
        return StartRepeat(profile, key, up ? kSlotF2 : kSlotF3, [&key, up, &services](const std::atomic<bool>& stop) {
            RepeatVolume(key, up, services, stop);
        });
    }
    case kSlotF5:
        return media.PreviousTrack(services);
    case kSlotF6:
        return media.PlayPause(services);
    case kSlotF7:
        return media.NextTrack(services);
    case kSlotF9:
        if (!host_.IsRecording()) host_.NewMacro();
        return host_.ToggleRecording();
    case kSlotF10:
        profile.gamingMode = profile.gamingMode == 0 ? 1 : 0;
        NoteActivity(services.activity, SubjectOf(key), ActivityKind::GamingMode, profile.gamingMode != 0 ? 1 : 0);
        return host_.ApplyGaming(profile);
    case kSlotF11:
    case kSlotF12: {
        const int step = slot == kSlotF12 ? 1 : -1;
        IDispatcherHost& host = host_;
        return StartRepeat(profile, key, slot == kSlotF12 ? kSlotF11 : kSlotF12,
                           [&key, step, &host, &services](const std::atomic<bool>& stop) {
                               RepeatBrightness(key, step, host, services.clock, stop);
                           });
    }
    case kSlotPause:
        return SuspendComputer(services.host);
    default:
        return;
    }
}

// At most one repeat of a pair runs: the opposite key counts as released.
void CDispatcher::StartRepeat(CDocProfile& profile, CKeyAction& key, int opposite,
                              std::function<void(const std::atomic<bool>&)> repeat) {
    if (CKeyAction* other = Slot(profile, opposite)) other->released = 1;
    (void)runner_.Start(key, std::move(repeat));  // a repeat that cannot start is lost, as the press would be
}

// The worker acts even when the key was already let go: the press happened,
// and a quick tap must not be lost to a thread that started late.
// A press the lane sent early is claimed only when no activation of the
// key runs: the new one is then the first and goes on from the second record.
void CDispatcher::StartWorker(CKeyAction& key) {
    MacroSnapshot macro = key.kind == kKindMacro ? macros_(key.macroName) : nullptr;
    const std::span<const InputRecord> records = key.SentRecords();
    const bool firstSent = key.keyType == kKeyTypeNormal && key.code <= 0xFF && !records.empty() &&
                           !runner_.Busy(key) && lane_->Claim(static_cast<uint8_t>(key.code), records.front());
    const ActionServices& services = services_;
    const bool started = runner_.Start(key, [&key, &services, macro = std::move(macro), subject = SubjectOf(key),
                                             firstSent](const std::atomic<bool>& stop) {
        key.Execute(ExecutionContext{services, macro, stop, subject, firstSent});
    });  // a worker that cannot be started loses its action
    if (!started && firstSent) (void)held_.ReleaseOf(records.front());
}

void CDispatcher::OnKeyboardRemoved() {
    if (CDocProfile* profile = profiles_.Current())
        for (CKeyAction& key : profile->keys) key.released = 1;
    previous_.fill(0);
    lane_->Forget();
    (void)ReleaseAll();  // a release the system refused waits for the next call
}

bool CDispatcher::ReleaseAll() {
    lane_->Suspend();
    releasing_ = true;
    runner_.EndAll();
    releasing_ = false;
    return held_.ReleaseAll();
}
