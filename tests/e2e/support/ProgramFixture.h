#pragma once
// A test that runs the real program against the simulated keyboard: a fresh
// copy of dist/, data files the test prepares, and a watch on what the
// keyboard receives from the start on. The program is ended with Exit.
#include <gtest/gtest.h>

#include <functional>

#include "e2e/support/KeyboardWatch.h"
#include "e2e/support/ProgramRun.h"
#include "model/DocProfileSet.h"

constexpr DWORD kProgramTimeoutMs = 30000;

// The profile set of a first run: one default profile, current.
CDocProfileSet DefaultProfiles();
// Two default profiles: "Alpha" on Fn + 1, current, and "Beta" on Fn + 2.
CDocProfileSet AlphaAndBeta();

std::size_t UploadsBetween(const KeyboardLog& log, std::size_t from, std::size_t to);

// A profile with gaming mode on has been made current: the keyboard has
// taken command 7 with 1, the last step.
inline bool ProfileApplied(const KeyboardLog& log) { return Taken(log, FindCommand(log, 7, 1)); }

class ProgramFixture : public ::testing::Test {
protected:
    // Starts the program with `profiles` and returns the log once `started`
    // holds for it (or at the timeout).
    KeyboardLog StartWith(CDocProfileSet profiles, const std::function<bool(const KeyboardLog&)>& started);
    // Marks the log, then presses and releases `key` while Fn is held, as
    // the keyboard reports it.
    void FnChord(uint8_t key);

    ProgramRun run_;
    KeyboardWatch watch_;
};
