#include "simhost/state/tools.h"

#include <algorithm>
#include <iterator>

namespace simhost::state {

namespace {

// Sorted: the tool types of the toolkit's list and the further small codes of the same
// numbering (9 multi-tip, 19 multi-task, 20 taper ball mill).
constexpr int kToolTypes[] = {
    1,     2,      4,      5,      6,       8,       9,       10,        11,        12,
    13,    14,     15,     16,     17,      18,      19,      20,        16384,     32768,
    65536, 131072, 262144, 524288, 1048576, 2097152, 8388608, 134217728, 536870912, 1073741824};

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
