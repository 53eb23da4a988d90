#pragma once
// Runs a registered qornctl command in-process and keeps what it printed.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "qornctl/Command.h"

struct CommandResult {
    int code;
    std::string out;
    std::string err;
};

inline CommandResult RunCommand(const std::string& name, const std::vector<std::string>& args) {
    for (const Command& c : Commands())
        if (c.name == name) {
            std::ostringstream out, err;
            const int code = c.run(args, out, err);
            return {code, out.str(), err.str()};
        }
    ADD_FAILURE() << "no command " << name;
    return {-1, "", ""};
}
