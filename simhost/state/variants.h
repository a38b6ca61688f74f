// Flexible components: a component of an assembly that varies dimensions and parameters
// of its model. The assembly keeps, per component feature id, the ids of the varied
// dimensions and the names of the varied parameters of the component's model; its file
// keeps them in the section "variants" (docs/model-files.md).
#pragma once

#include <map>
#include <string>
#include <vector>

#include "simhost/state/models.h"
#include "simhost/state/sessions.h"

namespace simhost::state {

struct Varied {
    std::vector<int> dimensions;           // dimension ids of the component's model
    std::vector<std::wstring> parameters;  // parameter names of the component's model
};

struct VariantState {
    std::map<int, Varied> byComponent;  // component feature id -> what it varies
};
inline VariantState& variantState(Model& assembly) {
    return assembly.content<VariantState>();
}

// The model in session of the assembly's component `componentId`, or null.
Model* flexibleComponentModel(Session& session, Model& assembly, int componentId);

}  // namespace simhost::state
