// Ardo::Tool: the description of a cutting tool behind kelt2pTool, and its creation and
// redefinition in a manufacturing model through a tool input.
#pragma once

#include <ProParamval.h>
#include <ProTool.h>

#include <cstdint>
#include <vector>

#include "kelt2proe/tool.h"
#include "model/mdl.h"

namespace Ardo {

class Solid;

struct ToolParam {
    char name[32];
    ProParamvalue value;
};

class Tool {
public:
    // A tool id fills a host line: a null id or one of more than 80 characters raises
    // Ardo::Error(-6, text).
    static void RequireIdFits(const char* id, const char* text);

    // Refuses what RequireIdFits refuses, with (-6, "Ardo::kelt2pTool::IdSet").
    void IdSet(const char* id);
    // The id in the buffer shared by all tools.
    const char* IdGet() const;
    void TypeSet(kelt2pToolType toolType) { type = toolType; }
    kelt2pToolType TypeGet() const { return type; }
    void ToolParamAdd(const char* paramName, double value);
    void ToolParamAdd(const char* paramName, const char* value);
    // Cutting data has no place in the host's tool description: accepted and dropped.
    void AddCuttingData(const char* name, const kelt2pCutData& data);
    void ModelSet(const Solid& toolModel, int attr, bool useModelName);

    // Creates the tool in `mfg` unless it exists; failures raise (code,
    // "Ardo::Tool::Create").
    void Create(ProMdl mfg);
    // Redefines the existing tool of this id in `mfg`; failures raise (code,
    // "Ardo::Mfg::ToolRedefine").
    void Redefine(ProMdl mfg);

    // Tool id and owning model.
    ProTool handle{};
    kelt2pToolType type = KELT2P_TOOL_NONE;
    std::int32_t status = 0;
    std::int32_t attribute = 1;
    std::vector<ToolParam> params;
    Mdl model;
    bool modelSet = false;

private:
    // Stores the code in status and raises (code, text) on failure.
    void check(ProError err, const char* text);
    // Fills the input with the parameters or the model, as modelSet says.
    void describe(ProToolinputPtr input, const char* text);
};

}  // namespace Ardo
