#include <algorithm>
#include <span>

#include "actions/ActionServices.h"
#include "actions/MacroPlayback.h"
#include "actions/SoftwareActions.h"
#include "model/KeyAction.h"
#include "platform/IClock.h"
#include "platform/IInputSink.h"

namespace {
constexpr uint32_t kRecordWaitMs = 30;

// Every record is followed by the wait, the last one's included.
void SendRecords(std::span<const InputRecord> records, const ActionServices& services) {
    for (const InputRecord& record : records) {
        (void)services.input.Send(record);  // rejected input is lost silently
        services.clock.SleepMs(kRecordWaitMs);
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
            SendRecords(keyboardInputs, services);
            break;
        case kKindMouse:
            SendRecords(mouseInputs, services);
            break;
        case kKindMedia:
            SendRecords(mediaInputs, services);
            break;
        case kKindShortcut: {
            const auto count = static_cast<int32_t>(shortcutCount);
            const auto sent = std::min<std::size_t>(count > 0 ? static_cast<std::size_t>(count) : 0, kShortcutCapacity);
            SendRecords(std::span(shortcutInputs).first(sent), services);
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
