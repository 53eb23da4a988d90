#include <span>

#include "actions/ActionServices.h"
#include "actions/HeldInput.h"
#include "actions/MacroPlayback.h"
#include "actions/SoftwareActions.h"
#include "actions/StoppableWait.h"
#include "model/KeyAction.h"
#include "platform/IClock.h"
#include "platform/IInputSink.h"

namespace {
constexpr uint32_t kRecordWaitMs = 30;

// Every record is followed by the wait, the last one's included. A stop
// ends the records there and lets go of what they left down, the first
// record's too when the listener sent it. The activity hears of it once the
// first record is out, so the key loses no time.
void SendRecords(std::span<const InputRecord> records, const ExecutionContext& context, const CKeyAction& key) {
    CHeldInput own(context.services.input);
    for (const InputRecord& record : records) {
        if (&record == records.data() && context.firstSent)
            own.Adopt(record);
        else
            (void)own.Send(record);  // rejected input is lost silently
        if (&record == records.data()) NoteSent(context.services.activity, context.subject, key);
        if (!WaitUnlessStopped(context.services.clock, kRecordWaitMs, context.stop)) {
            (void)own.ReleaseAll();  // what the system refuses is left to the program's ledger
            return;
        }
    }
}
}  // namespace

void CKeyAction::Execute(const ExecutionContext& context) {
    const uint32_t activation = ++pressCount;
    if (kind == kKindMacro) return PlayKeyMacro(*this, context);
    if (activation == 1) {
        const ActionServices& services = context.services;
        switch (kind) {
        case kKindKeyboard:
        case kKindMouse:
        case kKindMedia:
        case kKindShortcut:
            SendRecords(SentRecords(), context, *this);
            break;
        case kKindLaunch: {
            const std::u16string& target = launchType == kLaunchProgram ? programPath : webAddress;
            const bool launched = LaunchTarget(target, services.host);
            NoteActivity(services.activity, context.subject,
                         launched ? ActivityKind::Launched : ActivityKind::LaunchFailed, 0, 0, target);
            break;
        }
        case kKindDisable:
            NoteActivity(services.activity, context.subject, ActivityKind::Disabled);
            break;
        default:
            break;
        }
    }
    pressCount = 0;
}
