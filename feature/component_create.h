// The component feature placed by coordinate-system coincidence, shared by the
// operations that add components.
#pragma once

#include <ProObjects.h>
#include <ProSelection.h>

#include "feature/comp_path.h"
#include "model/solid.h"

namespace Ardo::component {

// A new component of `assembly` holding `model`, its coordinate system `compCsys`
// (no path) made to coincide with `asmCsys`, an item of the model at the end of
// `asmPath` (root: the assembly). A failing host call raises Ardo::Error(code, text),
// an element call ardotk::Error(code, "").
CompPath createOnCsys(Solid& assembly, ProMdl model, ProGeomitem& compCsys, ProGeomitem& asmCsys,
                      const CompPath& asmPath, const char* text);

// The path {root, [feature id]}: how a new component is named.
CompPath pathOf(ProMdl root, int featureId);

}  // namespace Ardo::component
