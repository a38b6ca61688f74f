// What kelt2p says about itself: its usage, its version, and whether a command line asks
// for help.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kelt2p {

// The synopsis of every command and of the help and version options.
void writeUsage(std::ostream& out);

// "kelt2p 0.1.0": the program and the version of the project it was built from.
void writeVersion(std::ostream& out);

// True when `--help` or `-h` stands among the arguments before a "--".
bool asksForHelp(const std::vector<std::string>& args);

}  // namespace kelt2p
