// Wrappers of the host's manufacturing calls: the active operation, the tools of a
// manufacturing model, trail-file comments.
#pragma once

#include <ProMfg.h>
#include <ProObjects.h>

#include <string>
#include <vector>

namespace ardotk {

// ProMfgSolidGet: the solid that holds the model's features; raises ardotk::Error(code, "").
ProSolid MfgSolidGet(ProMfg mfg);

// ProMfgSolidGet, then ProMfgoperActiveGet; raises ardotk::Error(code,
// "ardotk::OperActiveGet") / ardotk::Error(code, "no active operation found").
ProFeature OperActiveGet(ProMfg mfg);

// ProMfgToolVisit: the ids of every tool of the model in visit order, narrowed, into
// `toolIds` (contents replaced, storage reused, empty after a failure); raises
// ardotk::Error(code, "ardotk::ToolList"). A model without tools gives an empty list.
void ToolVisit(ProMfg mfg, std::vector<std::string>& toolIds);

// ProTrailfileCommentWrite; the trail file is diagnostic, so its result is returned
// rather than raised.
ProError TrailfileCommentWrite(const wchar_t* comment);

}  // namespace ardotk
