#include "simhost/state/tools.h"

#include <ProToolinput.h>

#include <algorithm>
#include <iterator>

namespace simhost::state {

namespace {

// Tool types of the host's numbering that the toolkit's enumeration does not name.
constexpr int kToolMultiTip = 9;
constexpr int kToolMultiTask = 19;
constexpr int kToolTaperBallMill = 20;

// Sorted, for a binary search.
constexpr int kToolTypes[] = {
    PRO_TOOL_DRILL,       PRO_TOOL_TURN,        PRO_TOOL_SAW,         PRO_TOOL_CROUND,
    PRO_TOOL_CHAMFER,     PRO_TOOL_MILL,        kToolMultiTip,        PRO_TOOL_END_MILL,
    PRO_TOOL_BALL_MILL,   PRO_TOOL_BULL_MILL,   PRO_TOOL_BASIC_DRILL, PRO_TOOL_SPOT_DRILL,
    PRO_TOOL_BORING_BAR,  PRO_TOOL_GROOVE,      PRO_TOOL_KEY_CUTTER,  PRO_TOOL_LOLLIPOP,
    kToolMultiTask,       kToolTaperBallMill,   PRO_TOOL_BORE,        PRO_TOOL_TAP,
    PRO_TOOL_CSINK,       PRO_TOOL_REAM,        PRO_TOOL_CENTER_DRL,  PRO_TOOL_TURN_GRV,
    PRO_TOOL_MILL_THREAD, PRO_TOOL_TURN_THREAD, PRO_TOOL_SIDE_MILL,   PRO_TOOL_BACK,
    PRO_TOOL_PLUNGE_MILL, PRO_TOOL_TAPER};

constexpr bool toolTypesAscending() {
    for (std::size_t i = 1; i < std::size(kToolTypes); ++i) {
        if (kToolTypes[i - 1] >= kToolTypes[i]) {
            return false;
        }
    }
    return true;
}
static_assert(toolTypesAscending(), "kToolTypes is searched by halves");

}  // namespace

bool toolTypeKnown(int type) {
    return std::binary_search(std::begin(kToolTypes), std::end(kToolTypes), type);
}

bool toolIdValid(const std::wstring& id) {
    return !id.empty() && id.size() <= kToolIdMax;
}

void toolParamSet(std::vector<ToolParam>& params, const std::wstring& name,
                  const ParamValue& value) {
    std::wstring key = upperAscii(name);
    for (ToolParam& p : params) {
        if (p.name == key) {
            p.value = value;
            return;
        }
    }
    params.push_back(ToolParam{key, value});
}

const ToolParam* toolParamFind(const Tool& tool, const std::wstring& name) {
    std::wstring key = upperAscii(name);
    for (const ToolParam& p : tool.params) {
        if (p.name == key) {
            return &p;
        }
    }
    return nullptr;
}

Tool* ToolStore::find(const std::wstring& id) {
    auto it = index_.find(id);
    return it == index_.end() ? nullptr : &tools_[it->second];
}

Tool* ToolStore::add(Tool tool) {
    if (index_.count(tool.id) != 0) {
        return nullptr;
    }
    index_.emplace(tool.id, tools_.size());
    tools_.push_back(std::move(tool));
    return &tools_.back();
}

}  // namespace simhost::state
