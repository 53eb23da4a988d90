#include <iostream>
#include <string>
#include <vector>

#include "qornctl/Command.h"

namespace {
int Usage(std::ostream& os) {
    os << "usage: qornctl COMMAND [ARGS]\n\ncommands:\n";
    for (const Command& c : Commands()) os << "  " << c.name << " " << c.usage << "\n      " << c.summary << "\n";
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage(std::cerr);
    const std::string name = argv[1];
    if (name == "help" || name == "--help" || name == "-h") {
        Usage(std::cout);
        return 0;
    }
    for (const Command& c : Commands())
        if (c.name == name) return c.run(std::vector<std::string>(argv + 2, argv + argc), std::cout, std::cerr);
    std::cerr << "qornctl: unknown command '" << name << "'\n";
    return Usage(std::cerr);
}
