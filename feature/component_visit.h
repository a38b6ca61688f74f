// The recursive visit of an assembly's components at every level, in pre-order, shared
// by the component listing, the clearance and the search for a placed component.
#pragma once

#include <ProObjects.h>

#include <vector>

#include "feature/comp_path.h"
#include "toolkit/name_filter.h"

namespace Ardo::component {

// Which components a visit takes.
struct Selection {
    // Model names must match the whole pattern; null takes every name.
    const ardotk::NameFilter* names = nullptr;
    // Only components of the ordinary component type (none), read with the listed
    // model as owner.
    bool ordinaryOnly = false;
};

// Appends to `out` the path from `root` of every active (or unregenerated) component
// the selection takes, descending into the sub-assemblies it takes. Returns the
// visit's result code; an exception of a callback passes on after the visit.
ProError visit(ProMdl root, const Selection& selection, std::vector<CompPath>& out);

}  // namespace Ardo::component
