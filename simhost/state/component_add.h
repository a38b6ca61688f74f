// A new component placed by a matrix: the feature (type 1000) with its record.
#pragma once

#include <ProToolkit.h>

#include "simhost/geometry/placement.h"
#include "simhost/state/features.h"
#include "simhost/state/models.h"

namespace simhost::state {

// Appends a component of `owner` that places `model` at `placement` (no constraints).
// PRO_TK_MAX_LIMIT_REACHED when the owner has no id left. The caller checks that the
// owner may hold the model.
ProError componentAdd(Model& owner, Model& model, const geometry::Placement& placement,
                      Feature** out);

}  // namespace simhost::state
