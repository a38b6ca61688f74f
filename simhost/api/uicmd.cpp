// Commands of the host's user interface: added with their action and access function,
// given an icon, designated with the texts of their button.
#include <ProUICmd.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "simhost/api/model_args.h"
#include "simhost/core/entry.h"
#include "simhost/state/commands.h"
#include "simhost/state/message_files.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::wideArg;
using simhost::api::wideText;

namespace {

// A text of a char line buffer: non-empty and terminated within the line; false
// otherwise.
bool lineText(const char* buffer, std::string& out) {
    if (buffer == nullptr) {
        return false;
    }
    std::size_t length = strnlen(buffer, PRO_LINE_SIZE);
    if (length == 0 || length == PRO_LINE_SIZE) {
        return false;
    }
    out.assign(buffer, length);
    return true;
}

std::string lineArg(const char* buffer) {
    return buffer == nullptr ? std::string() : std::string(buffer, strnlen(buffer, PRO_LINE_SIZE));
}

std::string idArg(uiCmdCmdId id) {
    return std::to_string(reinterpret_cast<std::intptr_t>(id));
}

}  // namespace

extern "C" {

ProError ProCmdActionAdd(char* action_name, uiCmdCmdActFn action_cb, uiCmdPriority priority,
                         uiCmdAccessFn access_func, ProBoolean allow_in_non_active_window,
                         ProBoolean allow_in_accessory_window, uiCmdCmdId* action_id) try {
    SIMHOST_ENTER("ProCmdActionAdd", lineArg(action_name), std::to_string(priority),
                  std::to_string(allow_in_non_active_window),
                  std::to_string(allow_in_accessory_window));
    SIMHOST_SESSION(s);
    std::string action;
    if (!lineText(action_name, action) || action_cb == nullptr || access_func == nullptr ||
        action_id == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    Command* command = s->area<CommandRegistry>().add(action);
    if (command == nullptr) {
        return PRO_TK_E_FOUND;
    }
    command->run = action_cb;
    command->access = access_func;
    command->priority = priority;
    command->allowInNonActiveWindow = allow_in_non_active_window == PRO_B_TRUE;
    command->allowInAccessoryWindow = allow_in_accessory_window == PRO_B_TRUE;
    *action_id = commandHandle(*command);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProCmdIconSet(uiCmdCmdId cmd_id, ProCmdItemIcon cmd_icon) try {
    SIMHOST_ENTER("ProCmdIconSet", idArg(cmd_id), lineArg(cmd_icon));
    SIMHOST_SESSION(s);
    Command* command = s->area<CommandRegistry>().byHandle(cmd_id);
    std::string icon;
    if (command == nullptr || !lineText(cmd_icon, icon)) {
        return PRO_TK_BAD_INPUTS;
    }
    command->icon = icon;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProCmdDesignate(uiCmdCmdId cmd_id, ProCmdItemLabel button_label,
                         ProCmdLineHelp one_line_help, ProCmdDescription description,
                         ProFileName msg_file) try {
    SIMHOST_ENTER("ProCmdDesignate", idArg(cmd_id), lineArg(button_label), lineArg(one_line_help),
                  lineArg(description), wideArg(msg_file, PRO_FILE_NAME_SIZE));
    SIMHOST_SESSION(s);
    Command* command = s->area<CommandRegistry>().byHandle(cmd_id);
    std::string labelKey;
    std::string helpKey;
    std::string descriptionKey;
    std::string file;
    if (command == nullptr || !lineText(button_label, labelKey) ||
        !lineText(one_line_help, helpKey) || !lineText(description, descriptionKey) ||
        !wideText(msg_file, PRO_FILE_NAME_SIZE, file)) {
        return PRO_TK_BAD_INPUTS;
    }
    // Every text of the button comes from the message file; the command changes only
    // when all three are there.
    MessageFile messages;
    ProError rc = messageFileRead(*s, file, messages);
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    auto label = messages.find(labelKey);
    auto help = messages.find(helpKey);
    auto text = messages.find(descriptionKey);
    if (label == messages.end() || help == messages.end() || text == messages.end()) {
        return PRO_TK_MSG_NOT_FOUND;
    }
    command->designated = true;
    command->messageFile = file;
    command->labelKey = labelKey;
    command->helpKey = helpKey;
    command->descriptionKey = descriptionKey;
    command->label = label->second.english;
    command->help = help->second.english;
    command->description = text->second.english;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
