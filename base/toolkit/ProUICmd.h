// Toolkit contract: commands an application adds to the host's user interface.
#pragma once

#include <ProToolkit.h>

// The host's handle of a command.
typedef void* uiCmdCmdId;
typedef int uiCmdPriority;

// The value a command with options passes to its action. This host's commands have no
// options; an action is called with a null value.
typedef int uiCmdValueType;
typedef union {
    int i;
    double d;
    void* p;
} _uiCmdValue;
typedef struct {
    uiCmdValueType type;
    _uiCmdValue value;
} uiCmdValue;

// What a command's access function answers when the host draws the command's button.
typedef enum {
    ACCESS_REMOVE = -1,
    ACCESS_INVISIBLE = 0,
    ACCESS_UNAVAILABLE = 1,
    ACCESS_DISALLOW = 2,
    ACCESS_AVAILABLE = 3
} uiCmdAccessState;

typedef enum { MODE_BLIND = 0, MODE_ERROR_MSG_ALLOWED = 1 } uiCmdAccessMode;

typedef char ProCmdItemLabel[PRO_LINE_SIZE];
typedef char ProCmdLineHelp[PRO_LINE_SIZE];
typedef char ProCmdDescription[PRO_LINE_SIZE];
typedef char ProCmdItemIcon[PRO_LINE_SIZE];

// Called when the user presses the command.
typedef int (*uiCmdCmdActFn)(uiCmdCmdId command, uiCmdValue* p_value, void* p_push_command_data);
// Called when the host draws the command, to decide whether it can be pressed.
typedef uiCmdAccessState (*uiCmdAccessFn)(uiCmdAccessMode access_mode);

PRO_BEGIN_C_DECLS
PRO_TK_EXPORT ProError ProCmdActionAdd(char* action_name, uiCmdCmdActFn action_cb,
                                       uiCmdPriority priority, uiCmdAccessFn access_func,
                                       ProBoolean allow_in_non_active_window,
                                       ProBoolean allow_in_accessory_window, uiCmdCmdId* action_id);
// The label, help and description are keys of the message file `msg_file`.
PRO_TK_EXPORT ProError ProCmdDesignate(uiCmdCmdId cmd_id, ProCmdItemLabel button_label,
                                       ProCmdLineHelp one_line_help, ProCmdDescription description,
                                       ProFileName msg_file);
PRO_TK_EXPORT ProError ProCmdIconSet(uiCmdCmdId cmd_id, ProCmdItemIcon cmd_icon);
PRO_END_C_DECLS
