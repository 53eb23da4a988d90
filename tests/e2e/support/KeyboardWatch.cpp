#include "e2e/support/KeyboardWatch.h"

#include <stdexcept>

KeyboardWatch::KeyboardWatch() {
    if (keyboard_.OpenError()) throw std::runtime_error("the simulated keyboard's driver is not running");
    Mark();
}

KbSimState KeyboardWatch::State() {
    KbSimState state{};
    if (keyboard_.State(state)) throw std::runtime_error("cannot read the simulated keyboard's state");
    return state;
}

void KeyboardWatch::Mark() { mark_ = State().logNext; }

KeyboardLog KeyboardWatch::WaitUntil(const std::function<bool(const KeyboardLog&)>& done, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        // Read whole each time: an entry read before its reply was taken
        // changes afterwards.
        KeyboardLog log;
        uint32_t next = mark_;
        if (keyboard_.ReadLog(next, log, next)) throw std::runtime_error("cannot read the simulated keyboard's log");
        if (done(log) || GetTickCount64() >= end) return log;
        Sleep(20);
    }
}

KeyboardLog KeyboardWatch::WaitUntilTaken(uint8_t command, uint8_t value, DWORD timeoutMs) {
    return WaitUntil([&](const KeyboardLog& l) { return Taken(l, FindCommand(l, command, value)); }, timeoutMs);
}

void KeyboardWatch::Hold(std::initializer_list<uint8_t> codes, uint8_t modifiers) {
    KeyReport report{};
    report[1] = modifiers;
    std::size_t slot = 2;
    for (uint8_t code : codes) report.at(slot++) = code;
    if (keyboard_.Inject(report)) throw std::runtime_error("the simulated keyboard refused a report");
}

std::size_t FindCommand(const KeyboardLog& log, uint8_t command, uint8_t value, std::size_t from) {
    for (std::size_t i = from; i < log.size(); ++i)
        if (log[i].kind == KBSIM_LOG_COMMAND && log[i].command == command && log[i].value == value) return i;
    return kNotFound;
}
