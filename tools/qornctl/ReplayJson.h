#pragma once
// The replay command's script and output lines. A script is JSON Lines:
// {"t":ms,"report":"00 00 04 00 00 00 00 00 00 00 00 00"}, {"t":ms,"unplug":true},
// {"t":ms,"plug":true}, {"t":ms,"end":true}; blank lines are skipped.
#include <istream>
#include <stdexcept>
#include <vector>

#include "actions/ReplaySession.h"
#include "qornctl/JsonForm.h"

// Why a script cannot be run, with the line number in the message.
class ReplayScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws ReplayScriptError for malformed JSON, a missing or negative time,
// times that go back, an unknown step or a report that is not 12 hex bytes.
std::vector<ReplayStep> ParseReplayScript(std::istream& in);

// One output line: {"t":..,"event":"input"|"tap"|"launch"|"suspend"|"profile"|"recording",...},
// or a command or upload line as `qornctl apply` prints it.
Json ReplayEventJson(const ReplayEvent& event);
