#include <algorithm>
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
// ends the records there and lets go of what they left down.
void SendRecords(std::span<const InputRecord> records, const ExecutionContext& context) {
    CHeldInput own(context.services.input);
    for (const InputRecord& record : records) {
        (void)own.Send(record);  // rejected input is lost silently
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
            SendRecords(keyboardInputs, context);
            break;
        case kKindMouse:
            SendRecords(mouseInputs, context);
            break;
        case kKindMedia:
            SendRecords(mediaInputs, context);
            break;
        case kKindShortcut: {
            const auto count = static_cast<int32_t>(shortcutCount);
            const auto sent = std::min<std::size_t>(count > 0 ? static_cast<std::size_t>(count) : 0, kShortcutCapacity);
            SendRecords(std::span(shortcutInputs).first(sent), context);
            break;
        }
        case kKindLaunch:
            (void)LaunchTarget(launchType == kLaunchProgram ? programPath : webAddress, services.host);
            break;
        default:
            break;
        }
    }
    pressCount = 0;
}
