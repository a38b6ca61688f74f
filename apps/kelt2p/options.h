// Command-line options of the sync and table commands.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "output.h"

namespace kelt2p {

// A command line the program cannot take; exit code 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Input the program refuses (a tool list, a workcell or a file it cannot use); exit code 1.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Options {
    std::vector<std::string> operands;
    std::string wcell;  // empty: the workcell of the active operation
    Format format = Format::Table;
    std::string startFile;  // configuration file for the embedded host session
    std::string textDir;    // serve: the application's text directory for the host
};

// Reads `--wcell NAME`, `--format table|csv|json`, `--start-file F` and `--text-dir DIR`
// (also in the
// form --option=value) and the operands, in any order; "--" ends the options. Throws
// UsageError for an unknown option, a missing value, an unknown format or a workcell
// name that is no host name.
Options parseOptions(const std::vector<std::string>& args);

}  // namespace kelt2p
