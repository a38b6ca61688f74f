// The varied dimensions and parameters of a flexible component.
#include <ProVariantFeat.h>

#include <string>
#include <vector>

#include "simhost/api/feature_args.h"
#include "simhost/api/visit_step.h"
#include "simhost/core/entry.h"
#include "simhost/core/wide.h"
#include "simhost/state/dims.h"
#include "simhost/state/owners.h"
#include "simhost/state/params.h"
#include "simhost/state/variants.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::featureArg;
using simhost::api::modelOf;

namespace {

// What the component `feature` varies and its model: PRO_TK_NO_ERROR, PRO_TK_BAD_INPUTS
// (no component of a live assembly) or PRO_TK_E_NOT_FOUND (a component that varies
// nothing).
ProError variedOf(Session* s, const ProFeature* feature, Varied& varied, int& componentModelId) {
    if (feature == nullptr || feature->type != PRO_FEATURE) {
        return PRO_TK_BAD_INPUTS;
    }
    Model* assembly = modelOf(s, feature->owner);
    if (assembly == nullptr || assembly->type == kPart || assembly->type == kDrawing) {
        return PRO_TK_BAD_INPUTS;
    }
    Model* component = flexibleComponentModel(*s, *assembly, feature->id);
    if (component == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    const auto& byComponent = variantState(*assembly).byComponent;
    auto found = byComponent.find(feature->id);
    if (found == byComponent.end()) {
        return PRO_TK_E_NOT_FOUND;
    }
    varied = found->second;
    componentModelId = component->id;
    return PRO_TK_NO_ERROR;
}

}  // namespace

extern "C" {

ProError ProVariantfeatItemsVisit(ProFeature* feature, ProModelitemVisitAction visit_action,
                                  ProModelitemFilterAction filter_action,
                                  ProAppData application_data) try {
    SIMHOST_ENTER("ProVariantfeatItemsVisit", featureArg(feature));
    SIMHOST_SESSION(s);
    Varied varied;
    int modelId = 0;
    if (visit_action == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = variedOf(s, feature, varied, modelId)) {
        return rc;
    }
    bool visited = false;
    for (int id : varied.dimensions) {
        // Looked up at its turn: the callbacks may change the model.
        Model* model = modelOf(s, modelHandle(modelId));
        if (model == nullptr) {
            break;
        }
        if (dims(*model).find(id) == nullptr) {
            continue;
        }
        ProModelitem item{};
        item.type = PRO_DIMENSION;
        item.id = id;
        item.owner = modelHandle(modelId);
        ProError result = PRO_TK_NO_ERROR;
        if (simhost::api::visitStepEnds(&item, filter_action, visit_action, application_data,
                                        visited, result)) {
            return result;
        }
    }
    return visited ? PRO_TK_NO_ERROR : PRO_TK_E_NOT_FOUND;
}
SIMHOST_CATCH

ProError ProVariantfeatParamsVisit(ProFeature* feature, ProParameterAction visit_action,
                                   ProParameterFilter filter_action,
                                   ProAppData application_data) try {
    SIMHOST_ENTER("ProVariantfeatParamsVisit", featureArg(feature));
    SIMHOST_SESSION(s);
    Varied varied;
    int modelId = 0;
    if (visit_action == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = variedOf(s, feature, varied, modelId)) {
        return rc;
    }
    bool visited = false;
    for (const std::wstring& name : varied.parameters) {
        Model* model = modelOf(s, modelHandle(modelId));
        if (model == nullptr) {
            break;
        }
        const Param* param = params(*model).find(ItemKey{model->type, model->id}, name);
        if (param == nullptr) {
            continue;
        }
        ProParameter handle{};
        handle.type = PRO_PARAMETER;
        copyWide(handle.id, PRO_NAME_SIZE, param->name);
        handle.owner.type = PRM_MODEL;
        handle.owner.who.model = modelHandle(modelId);
        ProError result = PRO_TK_NO_ERROR;
        if (simhost::api::visitStepEnds(&handle, filter_action, visit_action, application_data,
                                        visited, result)) {
            return result;
        }
    }
    return visited ? PRO_TK_NO_ERROR : PRO_TK_E_NOT_FOUND;
}
SIMHOST_CATCH

}  // extern "C"
