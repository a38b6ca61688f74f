// The element-tree visit: the host's order of a subtree, offered to the caller's filter
// and action.
#pragma once

#include <ProElement.h>

#include <vector>

#include "simhost/state/elemtree.h"

namespace simhost::api {

// Visits the subtree of `start` (addressed by `startItems` from `tree`), parents before
// children, children in order. The callbacks get the element's path from `tree`.
ProError elementVisit(ProElement tree, state::Element& start,
                      const std::vector<ProElempathItem>& startItems, ProElemtreeVisitFilter filter,
                      ProElemtreeVisitAction action, ProAppData appdata);

}  // namespace simhost::api
