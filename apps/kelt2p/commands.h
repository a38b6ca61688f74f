// Subcommands of kelt2p: each takes the arguments after its name, writes its result to
// `out` and its messages to `err`, and returns the exit code. Failures are thrown and
// turned into messages and exit codes by run().
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kelt2p {

using Arguments = std::vector<std::string>;

// Exit codes of the program.
enum ExitCode {
    kExitOk = 0,
    kExitInput = 1,  // the tool list, a file or a workcell was refused; nothing changed
    kExitUsage = 2,  // the command line was wrong
    kExitHost = 3,   // the host refused a step
    kExitOther = 4,  // any other failure
};

// Connects to the host session and prints its identifier, the host's date code and the
// library's build stamp, then ends the session.
int info(const Arguments& args, std::ostream& out, std::ostream& err);

// kelt2p sync <model> <tool-list.csv> [--wcell NAME] [--format F] [--start-file F]:
// puts the tools of the list into the workcell's tool table, saves the model and prints
// the table read back.
int sync(const Arguments& args, std::ostream& out, std::ostream& err);

// kelt2p table <model> [--wcell NAME] [--format F] [--start-file F]: prints the
// workcell's tool table, changing nothing.
int table(const Arguments& args, std::ostream& out, std::ostream& err);

// kelt2p serve <tool-list.csv> [--text-dir DIR] [--wcell NAME] [--start-file F]: starts
// the host session with the application's text directory, so that the host shows the
// tool-database button, and serves the host's events: each press, while a manufacturing
// model is current, syncs the tool list into its workcell as sync does and shows the
// outcome in the host's message area. Ends with the session; prints a summary.
int serve(const Arguments& args, std::ostream& out, std::ostream& err);

// Runs the named command and reports its failure on `err` as "kelt2p <command>:
// <message>"; returns the exit code. "--help" or "-h" as the name or among the command's
// arguments writes the usage to `out` (exit 0), "--version" the version; no name, or one
// that names no command, writes the usage to `err` (exit 2). Sets the C library's
// character type to UTF-8 for the texts that go to the host.
int run(const std::string& command, const Arguments& args, std::ostream& out, std::ostream& err);

// The model name of a model operand; a directory part becomes the current directory,
// in which the embedded host works and finds the model and its tool models.
std::string enterModelDirectory(const std::string& operand);

}  // namespace kelt2p
