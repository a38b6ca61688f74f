// Tool inputs and their elements: parameters, attribute and solid model.
#include <ProToolElem.h>
#include <ProToolinput.h>

#include <cstring>
#include <string>

#include "simhost/api/tool_args.h"
#include "simhost/core/entry.h"
#include "simhost/state/elemtree.h"
#include "simhost/state/tool_inputs.h"
#include "simhost/state/tools.h"

using namespace simhost::core;
using namespace simhost::state;

namespace {

bool toolElemId(int id) {
    return id == PRO_E_TOOL_ATTR || id == PRO_E_TOOL_PARAMS || id == PRO_E_TOOL_MODEL;
}

// A parameter value the host takes; false for an unknown type or an unterminated text.
bool paramValueOf(const ProParamvalue& in, ParamValue& out) {
    out.type = in.type;
    switch (in.type) {
        case PRO_PARAM_DOUBLE:
            out.d = in.value.d_val;
            return true;
        case PRO_PARAM_STRING:
            return simhost::api::wideBuffer(in.value.s_val, PRO_LINE_SIZE, out.s);
        case PRO_PARAM_INTEGER:
            out.i = in.value.i_val;
            return true;
        case PRO_PARAM_BOOLEAN:
            out.b = in.value.l_val != 0;
            return true;
        default:
            return false;
    }
}

}  // namespace

extern "C" {

ProError ProToolinputAlloc(ProToolinputPtr* r_tool_input) try {
    SIMHOST_ENTER("ProToolinputAlloc");
    SIMHOST_SESSION(s);
    (void)s;
    if (r_tool_input == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *r_tool_input = toolInputCreate();
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProToolinputTypeSet(ProToolinputPtr tool_input, ProToolType tool_type) try {
    SIMHOST_ENTER("ProToolinputTypeSet", std::to_string(static_cast<int>(tool_type)));
    SIMHOST_SESSION(s);
    (void)s;
    ToolInput* input = toolInputFind(tool_input);
    if (input == nullptr || (tool_type != PRO_TOOL_NONE && !toolTypeKnown(tool_type))) {
        return PRO_TK_BAD_INPUTS;
    }
    input->type = tool_type;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProToolinputElemAdd(ProToolinputPtr tool_input, ProToolElem tool_elem) try {
    SIMHOST_ENTER("ProToolinputElemAdd");
    SIMHOST_SESSION(s);
    (void)s;
    ToolInput* input = toolInputFind(tool_input);
    Element* element = elementFind(tool_elem);
    if (input == nullptr || element == nullptr || !toolElemId(element->id)) {
        return PRO_TK_BAD_INPUTS;
    }
    Element& root = elementOf(input->root);
    if (element->parent == &root) {
        return PRO_TK_NO_ERROR;  // held already
    }
    return elementChildAdd(root, *element);
}
SIMHOST_CATCH

// Works without a connection, so that a caller can always release what it holds.
ProError ProToolinputFree(ProToolinputPtr* r_tool_input) try {
    SIMHOST_ENTER("ProToolinputFree");
    ToolInput* input = r_tool_input != nullptr ? toolInputFind(*r_tool_input) : nullptr;
    if (input == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    toolInputErase(*input);
    *r_tool_input = nullptr;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProToolElemParamAdd(ProToolElem elem, const ProParamvalue* param_value,
                             const ProCharName param_name) try {
    SIMHOST_ENTER("ProToolElemParamAdd",
                  param_name != nullptr
                      ? std::string(param_name, strnlen(param_name, PRO_NAME_SIZE))
                      : std::string("null"));
    SIMHOST_SESSION(s);
    (void)s;
    const Element* element = elementFind(elem);
    ParamValue value;
    if (element == nullptr || element->id != PRO_E_TOOL_PARAMS || param_value == nullptr ||
        param_name == nullptr || strnlen(param_name, PRO_NAME_SIZE) == PRO_NAME_SIZE ||
        !paramValueOf(*param_value, value)) {
        return PRO_TK_BAD_INPUTS;
    }
    std::wstring name = widen(param_name);
    if (!paramNameValid(name)) {
        return PRO_TK_BAD_INPUTS;
    }
    toolParamSet(toolElemParams(*element), name, value);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProToolElemAttrSet(ProToolElem elem, int attrs) try {
    SIMHOST_ENTER("ProToolElemAttrSet", std::to_string(attrs));
    SIMHOST_SESSION(s);
    (void)s;
    Element* element = elementFind(elem);
    if (element == nullptr || element->id != PRO_E_TOOL_ATTR || attrs < 0) {
        return PRO_TK_BAD_INPUTS;
    }
    ValueContent content;
    content.type = PRO_VALUE_TYPE_INT;
    content.i = attrs;
    return elementContentSet(*element, content);
}
SIMHOST_CATCH

ProError ProToolElemModelSet(ProToolElem elem, const ProMdl tool_model) try {
    SIMHOST_ENTER("ProToolElemModelSet", simhost::api::handleArg(tool_model));
    SIMHOST_SESSION(s);
    Element* element = elementFind(elem);
    const Model* model = simhost::api::modelOf(s, tool_model);
    if (element == nullptr || element->id != PRO_E_TOOL_MODEL || model == nullptr ||
        (model->type != kPart && model->type != kAssembly)) {
        return PRO_TK_BAD_INPUTS;
    }
    ValueContent content;
    content.type = PRO_VALUE_TYPE_POINTER;
    content.p = tool_model;
    return elementContentSet(*element, content);
}
SIMHOST_CATCH

}  // extern "C"
