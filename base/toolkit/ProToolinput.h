// Toolkit contract: tool inputs, the description from which a tool is created or
// redefined.
//
// Ownership: a tool input is allocated by the host (ProToolinputAlloc) and released by
// ProToolinputFree. An element given to ProToolinputElemAdd belongs to the input from
// then on, as an element added to a tree belongs to the tree: the caller no longer frees
// it, ProToolinputFree frees it with the input. The input reads its elements when a
// tool is created or redefined from it, so an element may still be filled after it was
// added, and adding an element the input already holds changes nothing.
#pragma once

#include <ProToolkit.h>

typedef struct Pro_Toolinput* ProToolinputPtr;
typedef const struct Pro_Toolinput* ProConstToolinputPtr;
// An element of the element-tree interface (ProElement) used as part of a tool input.
typedef struct Pro_Elem* ProToolElem;

// Host tool types (a mix of bit values and small codes).
typedef enum {
    PRO_TOOL_NONE = 0,
    PRO_TOOL_DRILL = 1,
    PRO_TOOL_TURN = 2,
    PRO_TOOL_SAW = 4,
    PRO_TOOL_CROUND = 5,
    PRO_TOOL_CHAMFER = 6,
    PRO_TOOL_MILL = 8,
    PRO_TOOL_END_MILL = 10,
    PRO_TOOL_BALL_MILL = 11,
    PRO_TOOL_BULL_MILL = 12,
    PRO_TOOL_BASIC_DRILL = 13,
    PRO_TOOL_SPOT_DRILL = 14,
    PRO_TOOL_BORING_BAR = 15,
    PRO_TOOL_GROOVE = 16,
    PRO_TOOL_KEY_CUTTER = 17,
    PRO_TOOL_LOLLIPOP = 18,
    PRO_TOOL_BORE = 16384,
    PRO_TOOL_TAP = 32768,
    PRO_TOOL_CSINK = 65536,
    PRO_TOOL_REAM = 131072,
    PRO_TOOL_CENTER_DRL = 262144,
    PRO_TOOL_TURN_GRV = 524288,
    PRO_TOOL_MILL_THREAD = 1048576,
    PRO_TOOL_TURN_THREAD = 2097152,
    PRO_TOOL_SIDE_MILL = 8388608,
    PRO_TOOL_BACK = 134217728,
    PRO_TOOL_PLUNGE_MILL = 536870912,
    PRO_TOOL_TAPER = 1073741824
} ProToolType;

// Element ids of a tool input.
#define PRO_E_TOOL_ATTR 7
#define PRO_E_TOOL_PARAMS 154
#define PRO_E_TOOL_MODEL 331

PRO_BEGIN_C_DECLS
PRO_TK_EXPORT ProError ProToolinputAlloc(ProToolinputPtr* r_tool_input);
PRO_TK_EXPORT ProError ProToolinputTypeSet(ProToolinputPtr tool_input, ProToolType tool_type);
// Adds a detached tool element (id 7, 154 or 331) to the input, which takes it. When the
// input holds two elements of one id, the later one counts.
PRO_TK_EXPORT ProError ProToolinputElemAdd(ProToolinputPtr tool_input, ProToolElem tool_elem);
PRO_TK_EXPORT ProError ProToolinputFree(ProToolinputPtr* r_tool_input);
PRO_END_C_DECLS
