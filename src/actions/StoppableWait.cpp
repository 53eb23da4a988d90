#include "actions/StoppableWait.h"

#include <algorithm>

#include "platform/IClock.h"

bool WaitUnlessStopped(IClock& clock, uint32_t ms, const std::atomic<bool>& stop) {
    do {
        if (stop) return false;
        const uint32_t slice = std::min(ms, kStopSliceMs);
        clock.SleepMs(slice);
        ms -= slice;
    } while (ms > 0);
    return !stop;
}

bool WaitUntilUnlessStopped(IClock& clock, uint64_t dueMs, const std::atomic<bool>& stop) {
    uint64_t now = clock.NowMs();
    do {
        if (stop) return false;
        clock.SleepUntilMs(std::min(dueMs, now + kStopSliceMs));
        now = clock.NowMs();
    } while (now < dueMs);
    return !stop;
}
