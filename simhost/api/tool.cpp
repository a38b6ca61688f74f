// Cutting tools: handles, existence, type, parameters, solid model, creation and
// redefinition from tool inputs.
#include <ProTool.h>

#include <cstring>
#include <string>
#include <vector>

#include "simhost/api/feature_args.h"
#include "simhost/api/tool_args.h"
#include "simhost/core/entry.h"
#include "simhost/state/tool_inputs.h"
#include "simhost/state/tools.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::errorsReport;
using simhost::api::handleArg;
using simhost::api::modelOf;
using simhost::api::toolArg;
using simhost::api::toolOf;
using simhost::api::toolRefOf;

namespace {

ProItemerror toolError(int elementId, ProError error) {
    ProItemerror e;
    e.err_item_id = elementId;
    e.err_item_type = elementId > 0 ? PRO_ERRITEM_FEATELEM : PRO_ERRITEM_NONE;
    e.error = error;
    return e;
}

// The tool an input describes. A model element makes a model-based tool, whose model
// must be a part or assembly in session; otherwise the tool is described by its type,
// which must be a tool type, and its parameters.
std::vector<ProItemerror> toolFromInput(Session* s, const ToolInput& input, Tool& tool) {
    ToolInputContent content = toolInputRead(input);
    std::vector<ProItemerror> errors;
    tool.type = content.type;
    tool.params = content.params;
    tool.modelName.clear();
    tool.modelType = 0;
    tool.attribute = 0;
    if (content.hasModelElement) {
        const Model* model = modelOf(s, content.model);
        if (model == nullptr || (model->type != kPart && model->type != kAssembly)) {
            errors.push_back(toolError(PRO_E_TOOL_MODEL, PRO_TK_BAD_INPUTS));
        } else {
            tool.modelName = model->name;
            tool.modelType = model->type;
            tool.attribute = content.attribute.value_or(0);
        }
    } else if (!toolTypeKnown(tool.type)) {
        errors.push_back(toolError(-1, PRO_TK_BAD_INPUTS));
    }
    return errors;
}

}  // namespace

extern "C" {

ProError ProToolInit(const ProLine tool_id, ProMfg owner_mfg, ProTool* p_tool_ref) try {
    SIMHOST_ENTER("ProToolInit", simhost::api::wideArg(tool_id, PRO_LINE_SIZE),
                  handleArg(owner_mfg));
    SIMHOST_SESSION(s);
    if (p_tool_ref == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    ProTool tool{};
    std::wstring id;
    if (!simhost::api::wideBuffer(tool_id, PRO_LINE_SIZE, id)) {
        return PRO_TK_BAD_INPUTS;
    }
    copyWide(tool.tool_id, PRO_LINE_SIZE, id);
    tool.owner_mfg = owner_mfg;
    Model* m = nullptr;
    if (ProError rc = toolRefOf(s, &tool, m, id)) {
        return rc;
    }
    *p_tool_ref = tool;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProToolVerify(const ProTool* tool_ref) try {
    SIMHOST_ENTER("ProToolVerify", toolArg(tool_ref));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    Tool* tool = nullptr;
    return toolOf(s, tool_ref, m, tool);
}
SIMHOST_CATCH

ProError ProToolModelGet(const ProTool* tool_ref, ProFamilyName r_model_name,
                         ProMdlType* r_model_type) try {
    SIMHOST_ENTER("ProToolModelGet", toolArg(tool_ref));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    Tool* tool = nullptr;
    if (ProError rc = toolOf(s, tool_ref, m, tool)) {
        return rc;
    }
    if (r_model_name == nullptr || r_model_type == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (tool->modelName.empty()) {
        return PRO_TK_E_NOT_FOUND;
    }
    copyWide(r_model_name, PRO_FAMILY_NAME_SIZE, widen(tool->modelName));
    *r_model_type = static_cast<ProMdlType>(tool->modelType);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProToolTypeGet(const ProTool* tool_ref, ProToolType* r_tool_type) try {
    SIMHOST_ENTER("ProToolTypeGet", toolArg(tool_ref));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    Tool* tool = nullptr;
    if (ProError rc = toolOf(s, tool_ref, m, tool)) {
        return rc;
    }
    if (r_tool_type == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *r_tool_type = static_cast<ProToolType>(tool->type);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProToolParamGet(const ProTool* tool_ref, const ProCharName param_name,
                         ProParamvalue* p_param_val) try {
    SIMHOST_ENTER("ProToolParamGet", toolArg(tool_ref),
                  param_name != nullptr
                      ? std::string(param_name, strnlen(param_name, PRO_NAME_SIZE))
                      : std::string("null"));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    Tool* tool = nullptr;
    if (ProError rc = toolOf(s, tool_ref, m, tool)) {
        return rc;
    }
    if (param_name == nullptr || p_param_val == nullptr ||
        strnlen(param_name, PRO_NAME_SIZE) == PRO_NAME_SIZE) {
        return PRO_TK_BAD_INPUTS;
    }
    const ToolParam* p = toolParamFind(*tool, widen(param_name));
    if (p == nullptr) {
        return PRO_TK_E_NOT_FOUND;
    }
    ProParamvalue out{};
    out.type = static_cast<ProParamvalueType>(p->value.type);
    switch (p->value.type) {
        case kParamDouble:
            out.value.d_val = p->value.d;
            break;
        case kParamString:
            copyWide(out.value.s_val, PRO_LINE_SIZE, p->value.s);
            break;
        case kParamInteger:
            out.value.i_val = p->value.i;
            break;
        default:
            out.value.l_val = p->value.b ? 1 : 0;
            break;
    }
    *p_param_val = out;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProToolCreate(ProTool* tool_ref, ProConstToolinputPtr tool_input,
                       ProErrorlist* p_errors) try {
    SIMHOST_ENTER("ProToolCreate", toolArg(tool_ref));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    std::wstring id;
    const ToolInput* input = toolInputFind(tool_input);
    if (input == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = toolRefOf(s, tool_ref, m, id)) {
        return rc;
    }
    if (tools(*m).find(id) != nullptr) {
        return PRO_TK_E_FOUND;
    }
    Tool tool;
    tool.id = id;
    std::vector<ProItemerror> errors = toolFromInput(s, *input, tool);
    if (!errors.empty()) {
        errorsReport(s, p_errors, std::move(errors));
        return PRO_TK_GENERAL_ERROR;
    }
    tools(*m).add(std::move(tool));
    m->touch();
    errorsReport(s, p_errors, {});
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProToolRedefine(const ProTool* tool_ref, ProConstToolinputPtr tool_input,
                         ProErrorlist* p_errors) try {
    SIMHOST_ENTER("ProToolRedefine", toolArg(tool_ref));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    Tool* existing = nullptr;
    const ToolInput* input = toolInputFind(tool_input);
    if (input == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = toolOf(s, tool_ref, m, existing)) {
        return rc;
    }
    Tool tool;
    tool.id = existing->id;
    std::vector<ProItemerror> errors = toolFromInput(s, *input, tool);
    if (!errors.empty()) {
        errorsReport(s, p_errors, std::move(errors));
        return PRO_TK_GENERAL_ERROR;
    }
    *existing = std::move(tool);
    m->touch();
    errorsReport(s, p_errors, {});
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
