// Wrappers of the host's component-path calls.
#pragma once

#include <ProObjects.h>

namespace ardotk {

// The model at the end of `path` (ProAsmcomppathMdlGet); a failure raises
// ardotk::Error(code, "ardotk::AsmcomppathMdlGet").
ProMdl AsmcomppathMdlGet(ProAsmcomppath& path);

}  // namespace ardotk
