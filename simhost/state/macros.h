// Host macros: the texts an application queued and the commands the host ran of them.
//
// A macro text is a sequence of commands separated by ';'. Of the menu commands (those
// starting with '#') the host understands "#SUSPEND ALL", the answer to a regeneration
// that failed: it suspends the failed features; this host's regeneration does not fail,
// so there is nothing to suspend. Every other command is recorded as not understood and
// skipped, as a host skips a macro command it has no menu for.
#pragma once

#include <string>
#include <vector>

#include "simhost/state/sessions.h"

namespace simhost::state {

struct MacroQueue {
    std::vector<std::wstring> loaded;
};

struct MacroCommandRun {
    std::string command;  // as written in the macro, without surrounding blanks
    bool understood = false;
};

// True for a command this host knows, in any case and with any blanks between words.
bool macroCommandUnderstood(const std::string& command);
// Runs the session's queued macros in load order, records each command, empties the
// queue.
void macrosExecute(Session& session);
// The commands run since the last clear, oldest first, across sessions.
const std::vector<MacroCommandRun>& macrosRun();
void macrosRunClear();

}  // namespace simhost::state
