// The commands applications added to the host's user interface: the action a press
// runs, the access function the host asks when it draws the command's button, and what
// the button shows (label, one-line help, description from the message file; icon).
// A command has a button once it is designated.
#pragma once

#include <ProUICmd.h>

#include <memory>
#include <string>
#include <vector>

#include "simhost/state/sessions.h"

namespace simhost::state {

struct Command {
    int id = 0;
    std::string action;
    uiCmdCmdActFn run = nullptr;
    uiCmdAccessFn access = nullptr;
    int priority = 0;
    bool allowInNonActiveWindow = false;
    bool allowInAccessoryWindow = false;
    std::string icon;
    bool designated = false;
    std::string messageFile;
    // The message keys given and the English texts the host found for them.
    std::string labelKey, helpKey, descriptionKey;
    std::string label, help, description;
};

class CommandRegistry {
public:
    // A new command; null when the action name is taken.
    Command* add(const std::string& action);
    Command* byHandle(uiCmdCmdId handle);
    Command* byAction(const std::string& action);
    // In the order they were added. Entries stay where they are while callbacks run.
    const std::vector<std::unique_ptr<Command>>& all() const { return commands_; }

private:
    std::vector<std::unique_ptr<Command>> commands_;
};

uiCmdCmdId commandHandle(const Command& command);

// The icon's file as the host finds it in the application's text path: in
// "<text path>/text/resource" or "<text path>/resource"; empty when it is in neither (the
// button then shows its label alone).
std::string commandIconFile(const Session& session, const Command& command);

// What the button of the command shows now: ACCESS_INVISIBLE for a command that is not
// designated (it has no button), else the access function's answer.
uiCmdAccessState commandAccess(const Command& command);

// Serves a press of the session's command `action`: asks the access function unless
// the press was taken while the button showed available, and runs the action when it
// is. False when nothing ran.
bool commandServe(Session& session, const std::string& action, bool accessAsked);

}  // namespace simhost::state
