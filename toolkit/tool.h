// Wrappers of the host's tool calls: tool inputs and tool parameters.
#pragma once

#include <ProTool.h>
#include <ProToolElem.h>
#include <ProToolinput.h>

#include "toolkit/owned.h"

namespace ardotk {

// A tool input, released with ProToolinputFree on every path.
using ToolinputOwner = Owned<ProToolinputPtr, ProToolinputFree>;

// The double parameter `name` of the tool (ProToolParamGet): 0.0 when the tool has no
// such parameter (or no longer exists); a parameter of another value type raises
// ardotk::Error(0, "wrong parametertype"), any other failure ardotk::Error(code, "").
double ToolParamDouble(const ProTool& tool, const char* name);

// ProToolTypeGet; PRO_TOOL_NONE when the tool does not exist, other failures raise
// ardotk::Error(code, "").
ProToolType ToolTypeGet(const ProTool& tool);

}  // namespace ardotk
