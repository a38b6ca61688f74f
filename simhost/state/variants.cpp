// The varied items of flexible components and their section of the model file:
//   "variants": [{"component": 3, "dimensions": [12, 14], "parameters": ["LENGTH"]}]
#include "simhost/state/variants.h"

#include <stdexcept>

#include "simhost/core/wide.h"
#include "simhost/state/components.h"
#include "simhost/state/features.h"
#include "simhost/state/model_files.h"

namespace simhost::state {

namespace {

using nlohmann::json;

[[noreturn]] void refuse(const std::string& what) {
    throw std::invalid_argument(what);
}

Varied variedFromJson(const json& entry) {
    Varied varied;
    auto dimensions = entry.find("dimensions");
    if (dimensions != entry.end()) {
        JsonPlace place("dimensions");
        if (!dimensions->is_array()) {
            refuse("a list of dimension ids expected");
        }
        for (const json& id : *dimensions) {
            if (!id.is_number_integer()) {
                refuse("a list of dimension ids expected");
            }
            varied.dimensions.push_back(id.get<int>());
        }
    }
    auto parameters = entry.find("parameters");
    if (parameters != entry.end()) {
        JsonPlace place("parameters");
        if (!parameters->is_array()) {
            refuse("a list of parameter names expected");
        }
        for (const json& name : *parameters) {
            if (!name.is_string()) {
                refuse("a list of parameter names expected");
            }
            varied.parameters.push_back(core::widen(name.get<std::string>()));
        }
    }
    return varied;
}

void readVariants(Model& model, const json& section) {
    VariantState& state = variantState(model);
    state.byComponent.clear();
    if (section.is_null()) {
        return;
    }
    if (!section.is_array()) {
        refuse("a list of varied components expected");
    }
    std::size_t index = 0;
    for (const json& entry : section) {
        JsonPlace place(index++);
        auto component = entry.is_object() ? entry.find("component") : entry.end();
        if (!entry.is_object() || component == entry.end() || !component->is_number_integer()) {
            refuse("an object with a component id expected");
        }
        state.byComponent[component->get<int>()] = variedFromJson(entry);
    }
}

json writeVariants(Model& model) {
    const VariantState& state = variantState(model);
    if (state.byComponent.empty()) {
        return nullptr;
    }
    json out = json::array();
    for (const auto& [component, varied] : state.byComponent) {
        json names = json::array();
        for (const std::wstring& name : varied.parameters) {
            names.push_back(core::narrow(name));
        }
        out.push_back(
            {{"component", component}, {"dimensions", varied.dimensions}, {"parameters", names}});
    }
    return out;
}

const bool kRegistered = [] {
    sectionCodecAdd({"variants", readVariants, writeVariants});
    featureDeleteHookAdd(
        [](Model& model, int featureId) { variantState(model).byComponent.erase(featureId); });
    return true;
}();

}  // namespace

Model* flexibleComponentModel(Session& session, Model& assembly, int componentId) {
    const Component* component = componentOf(assembly, componentId);
    return component != nullptr ? componentModel(session, *component) : nullptr;
}

}  // namespace simhost::state
