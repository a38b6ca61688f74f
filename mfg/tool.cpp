// The tool description: id, type, parameters and tool model.
#include "mfg/tool.h"

#include <cstring>
#include <string>

#include "base/text.h"
#include "kelt2proe/error.h"
#include "mfg/mfg_lists.h"
#include "model/solid.h"

namespace Ardo {

namespace {

// A tool id fills a host line: 80 characters and the terminator.
constexpr std::size_t kMaxIdChars = PRO_LINE_SIZE - 1;

// Copies the first `maxChars` characters of `src` into the 32-byte name field.
void nameCut(char (&dst)[32], const char* src, std::size_t maxChars) {
    std::memset(dst, 0, sizeof dst);
    std::strncpy(dst, src != nullptr ? src : "", maxChars);
}

}  // namespace

void Tool::RequireIdFits(const char* id, const char* text) {
    if (id == nullptr || std::strlen(id) > kMaxIdChars) {
        throw Error(PRO_TK_LINE_TOO_LONG, text);
    }
}

void Tool::IdSet(const char* id) {
    RequireIdFits(id, "Ardo::kelt2pTool::IdSet");
    text::toWide(handle.tool_id, id);
}

const char* Tool::IdGet() const {
    std::string narrow = text::toNarrow(handle.tool_id);
    char* buffer = mfglists::toolIdBuffer();
    text::copyBounded(buffer, mfglists::kToolIdBufferSize, narrow.c_str());
    return buffer;
}

void Tool::AddCuttingData(const char*, const kelt2pCutData&) {}

void Tool::ToolParamAdd(const char* paramName, double value) {
    ToolParam param{};
    nameCut(param.name, paramName, 30);
    param.value.type = PRO_PARAM_DOUBLE;
    param.value.value.d_val = value;
    params.push_back(param);
}

void Tool::ToolParamAdd(const char* paramName, const char* value) {
    ToolParam param{};
    nameCut(param.name, paramName, 31);
    param.value.type = PRO_PARAM_STRING;
    char cut[PRO_LINE_SIZE] = {};
    text::copyBounded(cut, value != nullptr ? value : "");
    text::toWide(param.value.value.s_val, cut);
    params.push_back(param);
}

// The type comes from the model's "TOOL_TYPE" text; a value that is no text, or names no
// type of the table, leaves the type as it was.
void Tool::ModelSet(const Solid& toolModel, int attr, bool useModelName) {
    model = toolModel;
    attribute = attr;
    modelSet = true;
    if (useModelName) {
        Solid named = toolModel;
        text::toWide(handle.tool_id, named.NameGet());
    }
    kelt2pParamValue toolType{};
    try {
        Solid reader(toolModel.handle);
        toolType = reader.ParamGet("TOOL_TYPE");
    } catch (const Error& e) {
        throw Error(e.code, "Parameter TOOL_TYPE not defined");
    } catch (const ardotk::Error& e) {
        throw Error(e.code, "Parameter TOOL_TYPE not defined");
    }
    if (toolType.type != KELT2P_PARAM_STRING) {
        return;
    }
    bool named = false;
    kelt2pToolType namedType = kelt2pToolTypeFromName(toolType.value.s, &named);
    if (named) {
        type = namedType;
    }
}

}  // namespace Ardo
