#pragma once
// A qornctl subcommand. Each command's file defines one static
// CommandRegistration; main() finds commands by name.
#include <iosfwd>
#include <string>
#include <vector>

struct Command {
    std::string name;
    std::string usage;    // arguments, e.g. "FILE [NAME]"
    std::string summary;  // one line for the help text
    // Exit code 0 on success; errors go to `err` in the user's words.
    int (*run)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

const std::vector<Command>& Commands();

struct CommandRegistration {
    explicit CommandRegistration(Command command);
};
