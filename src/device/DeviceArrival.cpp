#include "device/DeviceArrival.h"

#include <algorithm>
#include <string>

#include "device/DeviceChannel.h"
#include "device/KeyboardCommands.h"
#include "platform/IClock.h"

namespace {
constexpr uint32_t kDriverAttachMs = 500;
}  // namespace

bool IsKeyboardInterface(std::u16string_view path) {
    std::u16string lower(path);
    // Only ASCII letters matter: the pattern is ASCII.
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; });
    return lower.find(u"vid_fffe&pid_011a&mi_01&col03") != std::u16string::npos;
}

bool OnKeyboardArrival(std::u16string_view path, CDeviceChannel& channel, IClock& clock, bool recording,
                       const std::function<void()>& makeCurrentAgain) {
    if (!IsKeyboardInterface(path)) return false;
    clock.SleepMs(kDriverAttachMs);
    // Failures are silent: without the driver everything below is a no-op.
    (void)channel.Open();
    (void)channel.SendCommand(kCommandPresence, 1);
    SetRecording(channel, recording);
    makeCurrentAgain();
    return true;
}

bool OnKeyboardRemoval(std::u16string_view path, bool hasCurrentProfile, const std::function<void()>& releaseAll) {
    if (!IsKeyboardInterface(path) || !hasCurrentProfile) return false;
    releaseAll();
    return true;
}
