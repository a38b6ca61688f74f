// The range of the ids a model's host keeps for features, geometry items and dimensions.
#pragma once

#include <climits>

namespace simhost::state {

// Ids run from 1 (dimensions: 0) to this maximum, so that the next id, and the one after,
// always fit in an int. Files with larger ids are refused; a model that has handed out
// the last id refuses to make another (PRO_TK_MAX_LIMIT_REACHED) and never wraps.
constexpr int kIdMax = INT_MAX / 2;

}  // namespace simhost::state
