// Cutting tools: the description of a tool that a manufacturing model creates or
// redefines (kelt2pTool), and the entry record of a workcell tool table (kelt2pMachTool).
#pragma once

#include <cstdint>

#include "kelt2proe/export.h"
#include "kelt2proe/impl_ptr.h"

namespace Ardo {

class Tool;
class kelt2pMdl;

// The host's tool-type numbers, passed to the host unchanged.
enum kelt2pToolType : std::int32_t {
    KELT2P_TOOL_NONE = 0,  // described by its parameters
    KELT2P_TOOL_DRILLING = 1,
    KELT2P_TOOL_TURNING = 2,
    KELT2P_TOOL_CORNER_ROUNDING = 5,
    KELT2P_TOOL_CHAMFERING = 6,
    KELT2P_TOOL_MILLING = 8,
    KELT2P_TOOL_MULTI_TIP = 9,
    KELT2P_TOOL_END_MILL = 10,
    KELT2P_TOOL_BALL_MILL = 11,
    KELT2P_TOOL_BULL_MILL = 12,
    KELT2P_TOOL_BASIC_DRILL = 13,
    KELT2P_TOOL_SPOT_DRILL = 14,
    KELT2P_TOOL_BORING_BAR = 15,
    KELT2P_TOOL_GROOVING = 16,
    KELT2P_TOOL_KEY_CUTTER = 17,
    KELT2P_TOOL_LOLLIPOP = 18,
    KELT2P_TOOL_MULTI_TASK = 19,
    KELT2P_TOOL_TAPER_BALL_MILL = 20,
    KELT2P_TOOL_BORING = 0x4000,
    KELT2P_TOOL_TAPPING = 0x8000,
    KELT2P_TOOL_COUNTERSINK = 0x10000,
    KELT2P_TOOL_REAMING = 0x20000,
    KELT2P_TOOL_CENTER_DRILLING = 0x40000,
    KELT2P_TOOL_TURN_GROOVING = 0x80000,
    KELT2P_TOOL_THREAD_MILL = 0x100000,
    KELT2P_TOOL_SIDE_MILLING = 0x800000,
    KELT2P_TOOL_BACK_SPOTTING = 0x8000000,
    KELT2P_TOOL_PLUNGE_MILLING = 0x20000000,
    KELT2P_TOOL_TAPER_MILL = 0x40000000,
};

// The host's name of a tool type as a tool model's "TOOL_TYPE" holds it ("END MILL",
// "CENTER-DRILLING"), also "MULTI TASK" and "TAPER BALL MILL"; nullptr for a number that
// names no type (KELT2P_TOOL_NONE included).
KELT2PROE_API const char* kelt2pToolTypeName(kelt2pToolType type);

// The type a tool model's "TOOL_TYPE" text names, as kelt2pTool::ModelSet reads it: the
// names compare exactly, case and spaces included, and "MULTI TASK" and "TAPER BALL MILL"
// name no type there. *found (when given) tells whether a name matched; without a match
// the result is KELT2P_TOOL_NONE.
KELT2PROE_API kelt2pToolType kelt2pToolTypeFromName(const char* name, bool* found);

// The named tool types in the host's order, index 0 to kelt2pToolTypeCount() - 1, for an
// application that lists the names or matches them its own way. An index outside throws
// std::out_of_range("invalid vector<T> subscript").
KELT2PROE_API int kelt2pToolTypeCount();
KELT2PROE_API kelt2pToolType kelt2pToolTypeAt(int index);

// Cutting data of a tool; accepted and not used.
struct kelt2pCutData {
    std::int32_t number;
    double values[12];
};

// The head value of a workcell tool table.
enum kelt2pMachHead : std::int32_t {
    KELT2P_HEAD_1 = 1,
    KELT2P_HEAD_2 = 2,
};

// One entry of a workcell tool table, as written (from the application) and as read
// (into the workcell tool list). Copying copies every field.
struct KELT2PROE_API kelt2pMachTool {
    // Empty id, position 1, head 1, one tip, registers 0, empty comments, gauges 0.0,
    // not in use.
    kelt2pMachTool();

    static constexpr int kMaxTips = 8;

    char toolId[84];
    std::int32_t position;
    kelt2pMachHead head;
    // Number of tips whose data the arrays hold: 1 to 8.
    std::int32_t tipCount;
    std::int32_t registers[kMaxTips];
    char comments[kMaxTips][256];
    // Gauge lengths X, Y, Z of each tip.
    double gauge[kMaxTips][3];
    // On reading: an NC sequence uses this entry.
    bool inUse;
};

// The description of a cutting tool: its id and either a host tool type with tool
// parameters, or a solid tool model whose "TOOL_TYPE" parameter gives the type. The
// description lives in the application until a manufacturing model creates or redefines
// the tool from it. Copies never share state: a copy (or an assigned tool) holds its own
// id, type, parameters and model.
class KELT2PROE_API kelt2pTool {
public:
    // Empty id, type KELT2P_TOOL_NONE, no parameters, no model, attribute 1.
    kelt2pTool();
    kelt2pTool(const kelt2pTool& other);
    kelt2pTool& operator=(const kelt2pTool& other);
    ~kelt2pTool();

    // At most 80 characters (a host line); a longer id raises
    // Ardo::Error(-6, "Ardo::kelt2pTool::IdSet").
    void IdSet(const char* id);
    // The id, in one buffer shared by every tool object: valid until the next IdGet.
    const char* IdGet();
    void TypeSet(kelt2pToolType type);
    kelt2pToolType TypeGet() const;
    // Appends a parameter (a name given twice gives two parameters). A double value's
    // name is cut to 30 characters; a text value's name to 31, the text to 80.
    void ToolParamAdd(const char* name, double value);
    void ToolParamAdd(const char* name, const char* value);
    // Accepted and dropped.
    void AddCuttingData(const char* name, kelt2pCutData data);
    // Makes the tool model-based: the model, the attribute passed to the host, and with
    // useModelName the model's name as the tool id. The type is read from the model's
    // "TOOL_TYPE" parameter; a model without it raises
    // Ardo::Error(code, "Parameter TOOL_TYPE not defined").
    void ModelSet(const kelt2pMdl& model, int attribute, bool useModelName);

private:
    friend struct FacadeAccess;
    CopiedImpl<Tool> impl;
};

}  // namespace Ardo
