// Creating and redefining a tool in the host from its description through a tool input.
// The input, and every element it has not taken, are released on every path.
#include <ProElement.h>
#include <ProToolElem.h>
#include <ProToolinput.h>

#include "kelt2proe/error.h"
#include "mfg/tool.h"
#include "toolkit/elemtree.h"
#include "toolkit/tool.h"

namespace Ardo {

void Tool::check(ProError err, const char* text) {
    status = err;
    if (err != PRO_TK_NO_ERROR) {
        throw Error(err, text);
    }
}

// A model-based tool is described by its attribute (element 7) and its model (element
// 331), any other by its parameters: one element 154 that receives every parameter and
// is handed to the input after each (the input keeps one copy of it).
void Tool::describe(ProToolinputPtr input, const char* text) {
    if (!modelSet) {
        ardotk::ElemTree paramsElem;
        check(ProElementAlloc(PRO_E_TOOL_PARAMS, paramsElem.out()), text);
        ProToolElem elem = paramsElem.get();
        for (ToolParam& param : params) {
            check(ProToolElemParamAdd(elem, &param.value, param.name), text);
            check(ProToolinputElemAdd(input, elem), text);
            paramsElem.disown();
        }
        return;
    }
    // The attribute is advisory: its element's results are not examined.
    ardotk::ElemTree attrElem;
    status = ProElementAlloc(PRO_E_TOOL_ATTR, attrElem.out());
    status = ProToolElemAttrSet(attrElem.get(), attribute);
    if (ProToolinputElemAdd(input, attrElem.get()) == PRO_TK_NO_ERROR) {
        attrElem.disown();
    }
    ardotk::ElemTree modelElem;
    check(ProElementAlloc(PRO_E_TOOL_MODEL, modelElem.out()), text);
    check(ProToolElemModelSet(modelElem.get(), model.handle), text);
    check(ProToolinputElemAdd(input, modelElem.get()), text);
    modelElem.disown();
}

void Tool::Create(ProMdl mfg) {
    constexpr const char* kText = "Ardo::Tool::Create";
    handle.owner_mfg = static_cast<ProMfg>(mfg);
    status = ProToolVerify(&handle);
    if (status == PRO_TK_NO_ERROR) {
        return;
    }
    ardotk::ToolinputOwner input;
    check(ProToolinputAlloc(input.out()), kText);
    check(ProToolinputTypeSet(input.get(), static_cast<ProToolType>(type)), kText);
    describe(input.get(), kText);
    ProErrorlist errors{};
    check(ProToolCreate(&handle, input.get(), &errors), kText);
    check(input.release(), kText);
}

void Tool::Redefine(ProMdl mfg) {
    constexpr const char* kText = "Ardo::Mfg::ToolRedefine";
    ProLine id = {};
    std::copy(handle.tool_id, handle.tool_id + PRO_LINE_SIZE, id);
    check(ProToolInit(id, static_cast<ProMfg>(mfg), &handle), kText);
    ardotk::ToolinputOwner input;
    check(ProToolinputAlloc(input.out()), kText);
    check(ProToolinputTypeSet(input.get(), static_cast<ProToolType>(type)), kText);
    describe(input.get(), kText);
    ProErrorlist errors{};
    check(ProToolRedefine(&handle, input.get(), &errors), kText);
    check(input.release(), kText);
}

}  // namespace Ardo
