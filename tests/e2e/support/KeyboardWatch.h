#pragma once
// What the simulated keyboard receives from a mark on, read through the
// harness handle; waits by polling the log, since the program under test is
// another process.
#include <cstddef>
#include <functional>
#include <vector>

#include "kbsim/win32/KbSimClient.h"

using KeyboardLog = std::vector<KbSimLogEntry>;

// Usage codes of keys the flows press on the simulated keyboard.
constexpr uint8_t kUsageA = 0x04, kUsageB = 0x05, kUsageDigit2 = 0x1F;

class KeyboardWatch {
public:
    // Marks the end of the log as it stands now.
    KeyboardWatch();

    void Mark();
    KbSimState State();
    // The log since the mark once `done` holds for it, or as it stands at
    // the timeout.
    KeyboardLog WaitUntil(const std::function<bool(const KeyboardLog&)>& done, DWORD timeoutMs);
    // The same, until the keyboard has taken `command` with `value`.
    KeyboardLog WaitUntilTaken(uint8_t command, uint8_t value, DWORD timeoutMs = 5000);
    // Sends a report as the keyboard would, e.g. {0x73} for Fn held.
    void Hold(std::initializer_list<uint8_t> codes, uint8_t modifiers = 0);

private:
    KbSimClient keyboard_;
    uint32_t mark_ = 0;
};

// Whether a table upload intercepts the key with this usage code.
inline bool Intercepts(const KbSimLogEntry& upload, uint8_t code) {
    return upload.intercept[code / 8] & (1u << (code % 8));
}

constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

// Index of the first command entry with this command and value at or after
// `from`, or kNotFound.
std::size_t FindCommand(const KeyboardLog& log, uint8_t command, uint8_t value, std::size_t from = 0);

// Whether the keyboard has taken the command at `at` into its state: it logs
// a command when written and takes it when the program reads the reply.
inline bool Taken(const KeyboardLog& log, std::size_t at) { return at != kNotFound && log[at].taken != 0; }
