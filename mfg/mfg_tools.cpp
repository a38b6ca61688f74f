// The tools of a manufacturing model: the tool of an NC sequence, listing, existence,
// tool models, creation and redefinition.
#include <ProFeature.h>
#include <ProParameter.h>
#include <ProTool.h>

#include <cstring>

#include "base/subscript.h"
#include "base/text.h"
#include "kelt2proe/error.h"
#include "mfg/feature_text.h"
#include "mfg/mfg.h"
#include "mfg/mfg_lists.h"
#include "mfg/tool.h"
#include "model/solid.h"
#include "toolkit/mfg.h"
#include "toolkit/parameter.h"

namespace Ardo {

namespace {

constexpr std::size_t kMaxNcseqToolIdChars = 32;

ProFeature ncseqFeature(ProSolid solid, int ncseqId) {
    ProFeature feature{};
    // An id of no feature shows in the parameter call that follows.
    ProFeatureInit(solid, ncseqId, &feature);
    return feature;
}

}  // namespace

ProTool Mfg::toolInit(const char* toolId, const char* text) {
    ProLine id = {};
    text::toWide(id, toolId);
    ProTool tool{};
    check(ProToolInit(id, mfgHandle(), &tool), text);
    return tool;
}

const char* Mfg::NcseqToolid(int ncseqId) {
    IsInit();
    ProFeature feature = ncseqFeature(solidGet("Ardo::Mfg::GetSolid"), ncseqId);
    ncseqToolId = featuretext::paramText(feature, "TOOL_ID");
    return ncseqToolId.c_str();
}

void Mfg::NcseqToolid(int ncseqId, const char* toolId) {
    if (toolId == nullptr || std::strlen(toolId) > kMaxNcseqToolIdChars) {
        throw Error(PRO_TK_LINE_TOO_LONG, "Ardo::Mfg::NcseqToolid");
    }
    IsInit();
    ProFeature feature = ncseqFeature(solidGet("Ardo::Mfg::GetSolid"), ncseqId);
    ProParamvalue value{};
    value.type = PRO_PARAM_STRING;
    text::toWide(value.value.s_val, toolId);
    ProName name = L"TOOL_ID";
    ProParameter param{};
    if (!ardotk::ParameterFind(feature, name, param)) {
        param = ardotk::ParameterCreate(feature, name, value);
    }
    ardotk::ParameterValueSet(param, value);
}

int Mfg::ToolList() {
    IsInit();
    std::vector<std::string>& list = mfglists::toolIds();
    ardotk::ToolVisit(mfgHandle(), list);
    return static_cast<int>(list.size());
}

const char* Mfg::ToolListAt(int i) {
    return checkedAt(mfglists::toolIds(), i).c_str();
}

// The id is checked first, under the application's operation name; likewise below.
bool Mfg::ToolExist(const char* toolId) {
    Tool::RequireIdFits(toolId, "Ardo::kelt2pMfg::ToolExist");
    IsInit();
    ProTool tool = toolInit(toolId, "Ardo::Mfg::ToolExist");
    return ProToolVerify(&tool) == PRO_TK_NO_ERROR;
}

bool Mfg::ToolHasModelGet(const char* toolId) {
    Tool::RequireIdFits(toolId, "Ardo::kelt2pMfg::ToolHasModelGet");
    IsInit();
    ProTool tool = toolInit(toolId, "Ardo::Mfg::ToolHasModelGet");
    ProFamilyName modelName = {};
    ProMdlType modelType = PRO_MDL_UNUSED;
    return ProToolModelGet(&tool, modelName, &modelType) == PRO_TK_NO_ERROR;
}

// A tool model that cannot be loaded is handed out unbound, with its name and type.
Solid Mfg::ToolModelGet(const char* toolId) {
    Tool::RequireIdFits(toolId, "Ardo::kelt2pMfg::ToolModelGet");
    IsInit();
    ProTool tool = toolInit(toolId, "Ardo::Mfg::ToolModelGet");
    ProFamilyName modelName = {};
    ProMdlType modelType = PRO_MDL_UNUSED;
    check(ProToolModelGet(&tool, modelName, &modelType), "no tool model");
    modelName[PRO_FAMILY_NAME_SIZE - 1] = L'\0';
    std::string name = text::toNarrow(modelName);
    Solid model;
    try {
        model.Load(name.c_str(), static_cast<kelt2pMdlType>(modelType), false);
    } catch (const Error&) {
        model.NameSet(name.c_str());
        model.TypeSet(static_cast<kelt2pMdlType>(modelType));
    }
    return model;
}

void Mfg::ToolAdd(Tool& tool) {
    IsInit();
    tool.Create(handle);
}

void Mfg::ToolRedefine(Tool& tool) {
    IsInit();
    std::string id = text::toNarrow(tool.handle.tool_id);
    if (!ToolExist(id.c_str())) {
        throw Error(PRO_TK_E_NOT_FOUND, "Ardo::Mfg::ToolRedefine");
    }
    tool.Redefine(handle);
}

// Cutting data does not reach the host.
void Mfg::ToolSetCutData(Tool&) {
    IsInit();
}

}  // namespace Ardo
