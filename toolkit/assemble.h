// Adding a component to an assembly by default placement or by a placement matrix.
#pragma once

#include <ProObjects.h>

namespace ardotk {

// The component feature a new component of `assembly` gets, placed at the host's
// default position (one constraint of the default-placement type, no references). Not
// an assembly raises ardotk::Error(-8, "ardotk::Assemble"), a failing host call
// ardotk::Error(code, "ardotk::Assemble"); an element call ardotk::Error(code, "").
ProFeature Assemble(ProMdl assembly, ProMdl component);

// The same placed by `placement` in the host's row layout (ProAsmcompAssemble).
ProFeature Assemble(ProMdl assembly, ProMdl component, ProMatrix placement);

}  // namespace ardotk
