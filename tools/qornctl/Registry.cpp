#include <utility>

#include "qornctl/Command.h"

namespace {
std::vector<Command>& Registry() {
    static std::vector<Command> commands;
    return commands;
}
}  // namespace

const std::vector<Command>& Commands() { return Registry(); }

CommandRegistration::CommandRegistration(Command command) { Registry().push_back(std::move(command)); }
