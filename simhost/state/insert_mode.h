// Insert mode of a solid and the moving of features in the regeneration order.
//
// In insert mode new features go right after the insertion point (each new one becomes
// the point), and the features that followed the point when insert mode began are
// suppressed by it (status PRO_FEAT_SUPPRESSED) until it ends. Insert mode is session
// state: a saved model keeps those features suppressed and loads without insert mode.
#pragma once

#include <ProToolkit.h>

#include <vector>

#include "simhost/state/models.h"

namespace simhost::state {

bool insertModeActive(Model& model);
// Starts insert mode after the feature, or moves the point of an active insert mode (the
// features before the new point that it suppressed come back). PRO_TK_BAD_INPUTS for a
// feature that is not there or not active.
ProError insertModeActivate(Model& model, int featureId);
// Ends insert mode; with `resume` the features it suppressed come back active.
// PRO_TK_E_NOT_FOUND when insert mode is not active.
ProError insertModeCancel(Model& model, bool resume);

// Moves the features so that the first takes the 1-based number `number`.
// PRO_TK_BAD_INPUTS for an unknown or repeated feature, a number past the end, or when
// a feature would come before one it references (the order then stays as it was).
ProError featuresReorder(Model& model, const std::vector<int>& ids, int number);

}  // namespace simhost::state
