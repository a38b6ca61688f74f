#include "toolkit/tool.h"

#include <cstring>

#include "kelt2proe/error.h"
#include "toolkit/check.h"

namespace ardotk {

double ToolParamDouble(const ProTool& tool, const char* name) {
    ProCharName paramName = {};
    std::strncpy(paramName, name, PRO_NAME_SIZE - 1);
    ProParamvalue value{};
    ProError err = ProToolParamGet(&tool, paramName, &value);
    if (err == PRO_TK_E_NOT_FOUND) {
        return 0.0;
    }
    check(err);
    if (value.type != PRO_PARAM_DOUBLE) {
        throw Error(0, "wrong parametertype");
    }
    return value.value.d_val;
}

ProToolType ToolTypeGet(const ProTool& tool) {
    ProToolType type = PRO_TOOL_NONE;
    ProError err = ProToolTypeGet(&tool, &type);
    if (err == PRO_TK_E_NOT_FOUND) {
        return PRO_TOOL_NONE;
    }
    check(err);
    return type;
}

}  // namespace ardotk
