// The host's tool-type names: the one table behind kelt2pTool::ModelSet and the exported
// name lookups.
#include <cstring>
#include <iterator>

#include "base/subscript.h"
#include "kelt2proe/tool.h"

namespace Ardo {

namespace {

struct ToolTypeName {
    const char* text;
    kelt2pToolType type;
    // A tool model's "TOOL_TYPE" may hold this name.
    bool readFromToolModel;
};

// Written as the host writes them. The names a "TOOL_TYPE" may hold come first, in the
// order they are compared; the last two name valid types that no "TOOL_TYPE" text gives.
constexpr ToolTypeName kToolTypeNames[] = {
    {"MILLING", KELT2P_TOOL_MILLING, true},
    {"PLUNGE_MILLING", KELT2P_TOOL_PLUNGE_MILLING, true},
    {"BACK SPOTTING", KELT2P_TOOL_BACK_SPOTTING, true},
    {"CHAMFERING", KELT2P_TOOL_CHAMFERING, true},
    {"COUNTERSINK", KELT2P_TOOL_COUNTERSINK, true},
    {"REAMING", KELT2P_TOOL_REAMING, true},
    {"TAPER MILL", KELT2P_TOOL_TAPER_MILL, true},
    {"DRILLING", KELT2P_TOOL_DRILLING, true},
    {"CORNER ROUNDING", KELT2P_TOOL_CORNER_ROUNDING, true},
    {"BORING", KELT2P_TOOL_BORING, true},
    {"THREAD_MILL", KELT2P_TOOL_THREAD_MILL, true},
    {"SIDE_MILLING", KELT2P_TOOL_SIDE_MILLING, true},
    {"GROOVING", KELT2P_TOOL_GROOVING, true},
    {"CENTER-DRILLING", KELT2P_TOOL_CENTER_DRILLING, true},
    {"TAPPING", KELT2P_TOOL_TAPPING, true},
    {"TURNING", KELT2P_TOOL_TURNING, true},
    {"TURN-GROOVING", KELT2P_TOOL_TURN_GROOVING, true},
    {"MULTI_TIP", KELT2P_TOOL_MULTI_TIP, true},
    {"END MILL", KELT2P_TOOL_END_MILL, true},
    {"BALL MILL", KELT2P_TOOL_BALL_MILL, true},
    {"BULL MILL", KELT2P_TOOL_BULL_MILL, true},
    {"BASIC DRILL", KELT2P_TOOL_BASIC_DRILL, true},
    {"SPOT DRILL", KELT2P_TOOL_SPOT_DRILL, true},
    {"BORING BAR", KELT2P_TOOL_BORING_BAR, true},
    {"KEY CUTTER", KELT2P_TOOL_KEY_CUTTER, true},
    {"LOLLIPOP", KELT2P_TOOL_LOLLIPOP, true},
    {"MULTI TASK", KELT2P_TOOL_MULTI_TASK, false},
    {"TAPER BALL MILL", KELT2P_TOOL_TAPER_BALL_MILL, false},
};

}  // namespace

const char* kelt2pToolTypeName(kelt2pToolType type) {
    for (const ToolTypeName& entry : kToolTypeNames) {
        if (entry.type == type) {
            return entry.text;
        }
    }
    return nullptr;
}

kelt2pToolType kelt2pToolTypeFromName(const char* name, bool* found) {
    if (name != nullptr) {
        for (const ToolTypeName& entry : kToolTypeNames) {
            if (entry.readFromToolModel && std::strcmp(name, entry.text) == 0) {
                if (found != nullptr) {
                    *found = true;
                }
                return entry.type;
            }
        }
    }
    if (found != nullptr) {
        *found = false;
    }
    return KELT2P_TOOL_NONE;
}

int kelt2pToolTypeCount() {
    return static_cast<int>(std::size(kToolTypeNames));
}

kelt2pToolType kelt2pToolTypeAt(int index) {
    if (index < 0 || index >= kelt2pToolTypeCount()) {
        throwSubscriptError();
    }
    return kToolTypeNames[index].type;
}

}  // namespace Ardo
