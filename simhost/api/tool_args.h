// Argument helpers of the manufacturing and tool functions: manufacturing-model
// handles, tool handles and bounded texts.
#pragma once

#include <ProMfg.h>

#include <cstddef>
#include <string>

#include "simhost/api/model_args.h"
#include "simhost/state/tools.h"

namespace simhost::api {

// The manufacturing model a handle names: PRO_TK_NO_ERROR, PRO_TK_BAD_INPUTS (no live model) or
// PRO_TK_BAD_CONTEXT (a model of another type).
inline ProError mfgOf(state::Session* s, const void* handle, state::Model*& model) {
    model = modelOf(s, handle);
    if (model == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    return model->type == state::kMfg ? PRO_TK_NO_ERROR : PRO_TK_BAD_CONTEXT;
}

// The model and id a tool handle names: PRO_TK_NO_ERROR or PRO_TK_BAD_INPUTS (no handle,
// an id that is empty, too long or unterminated, an owner that is no live manufacturing
// model).
inline ProError toolRefOf(state::Session* s, const ProTool* tool, state::Model*& model,
                          std::wstring& id) {
    if (tool == nullptr || !wideBuffer(tool->tool_id, PRO_LINE_SIZE, id) ||
        !state::toolIdValid(id)) {
        return PRO_TK_BAD_INPUTS;
    }
    return mfgOf(s, tool->owner_mfg, model) == PRO_TK_NO_ERROR ? PRO_TK_NO_ERROR
                                                               : PRO_TK_BAD_INPUTS;
}

// The existing tool a handle names: PRO_TK_NO_ERROR, PRO_TK_BAD_INPUTS or PRO_TK_E_NOT_FOUND.
inline ProError toolOf(state::Session* s, const ProTool* handle, state::Model*& model,
                       state::Tool*& tool) {
    std::wstring id;
    if (ProError rc = toolRefOf(s, handle, model, id)) {
        return rc;
    }
    tool = state::tools(*model).find(id);
    return tool != nullptr ? PRO_TK_NO_ERROR : PRO_TK_E_NOT_FOUND;
}

// "model:id" of a tool handle for the journal.
inline std::string toolArg(const ProTool* tool) {
    if (tool == nullptr) {
        return "null";
    }
    return handleArg(tool->owner_mfg) + ":" + wideArg(tool->tool_id, PRO_LINE_SIZE);
}

}  // namespace simhost::api
