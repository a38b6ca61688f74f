// Creating and redefining a tool in the host from its description through a tool input.
// The input, and every element it has not taken, are released on every path.
#include <ProElement.h>
#include <ProToolElem.h>
#include <ProToolinput.h>

#include "kelt2proe/error.h"
#include "mfg/tool.h"
#include "toolkit/check.h"
#include "toolkit/elemtree.h"
#include "toolkit/tool.h"

namespace Ardo {

namespace {

// ardotk::ElementAlloc as an examined step of creation or redefinition: a refusal is
// recorded in `status` and raised as Ardo::Error(code, text), as every such step is.
ardotk::ElemTree examinedElement(ProElemId id, std::int32_t& status, const char* text) {
    try {
        return ardotk::ElementAlloc(id);
    } catch (const ardotk::Error& e) {
        status = e.code;
        throw Error(e.code, text);
    }
}

// ardotk::ElementAlloc whose result is not examined: a refused allocation leaves no element.
ardotk::ElemTree unexaminedElement(ProElemId id) {
    try {
        return ardotk::ElementAlloc(id);
    } catch (const ardotk::Error&) {
        return ardotk::ElemTree();
    }
}

}  // namespace

void Tool::check(ProError err, const char* text) {
    status = err;
    Ardo::check(err, text);
}

// A model-based tool is described by its attribute (element 7) and its model (element
// 331), any other by its parameters: one element 154 that receives every parameter and
// is handed to the input after each (the input keeps one copy of it).
void Tool::describe(ProToolinputPtr input, const char* text) {
    if (!modelSet) {
        ardotk::ElemTree paramsElem = examinedElement(PRO_E_TOOL_PARAMS, status, text);
        ProToolElem elem = paramsElem.get();
        for (ToolParam& param : params) {
            check(ProToolElemParamAdd(elem, &param.value, param.name), text);
            check(ProToolinputElemAdd(input, elem), text);
            paramsElem.disown();
        }
        return;
    }
    // The attribute is advisory: its element's results are not examined.
    ardotk::ElemTree attrElem = unexaminedElement(PRO_E_TOOL_ATTR);
    status = ProToolElemAttrSet(attrElem.get(), attribute);
    if (ProToolinputElemAdd(input, attrElem.get()) == PRO_TK_NO_ERROR) {
        attrElem.disown();
    }
    ardotk::ElemTree modelElem = examinedElement(PRO_E_TOOL_MODEL, status, text);
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
