#pragma once
// For tests that watch another thread: polls until a condition holds.
#include <chrono>
#include <thread>

// Polls `condition` until it holds or five seconds pass; returns whether it held.
template <class Condition>
bool WaitUntil(Condition condition) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}
