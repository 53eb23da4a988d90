#pragma once
// Runs this thread's messages the way the program's loops do (each message
// offered to PreTranslateMessage of its windows first).
#include <windows.h>

#include <chrono>
#include <functional>

// Pumps for the given time.
void PumpFor(std::chrono::milliseconds duration);
// Pumps until `done` holds or the timeout passes; returns `done`'s last value.
bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);
