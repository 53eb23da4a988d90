#pragma once
#include <atomic>
#include <cstdint>

class IClock;

// Waits `ms` on the clock in slices of at most kStopSliceMs, so that a stop
// request is noticed within one slice; false when stopped before or during
// the wait. A wait of 0 still yields once.
bool WaitUnlessStopped(IClock& clock, uint32_t ms, const std::atomic<bool>& stop);

// The same until the clock reaches `dueMs`, ended on time as the clock's
// SleepUntilMs is; a due moment already past still yields once.
bool WaitUntilUnlessStopped(IClock& clock, uint64_t dueMs, const std::atomic<bool>& stop);

constexpr uint32_t kStopSliceMs = 50;
