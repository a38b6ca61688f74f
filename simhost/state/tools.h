// Cutting tools of manufacturing models, kept with the model in creation order.
//
// A tool id is wide text of 1 to 80 characters, kept as given and compared exactly
// (case-sensitive). Tool parameter names follow the parameter rules: compared without
// regard to case and kept in upper case; a tool has each name at most once.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "simhost/state/models.h"
#include "simhost/state/params.h"

namespace simhost::state {

constexpr std::size_t kToolIdMax = 80;

struct ToolParam {
    std::wstring name;  // upper case
    ParamValue value;
};

struct Tool {
    std::wstring id;
    int type = 0;  // a host tool type
    std::vector<ToolParam> params;
    // The solid model of a model-based tool: name (upper case) and type; empty: none.
    std::string modelName;
    int modelType = 0;
    int attribute = 0;
};

// The host's tool types.
bool toolTypeKnown(int type);
bool toolIdValid(const std::wstring& id);

// Sets a parameter: a new name is appended, a known one has its value replaced.
void toolParamSet(std::vector<ToolParam>& params, const std::wstring& name,
                  const ParamValue& value);
const ToolParam* toolParamFind(const Tool& tool, const std::wstring& name);

class ToolStore {
public:
    Tool* find(const std::wstring& id);
    // Appends a new tool; null when its id is taken.
    Tool* add(Tool tool);
    // Tools in creation order.
    const std::vector<Tool>& list() const { return tools_; }

private:
    std::vector<Tool> tools_;
    std::unordered_map<std::wstring, std::size_t> index_;
};

inline ToolStore& tools(Model& model) {
    return model.content<ToolStore>();
}

}  // namespace simhost::state
