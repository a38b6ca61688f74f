// The dimensions a flexible component varies.
#pragma once

#include <ProObjects.h>

#include <vector>

namespace ardotk {

// ProVariantfeatItemsVisit of the component feature: the dimensions whose whole name
// matches `pattern` (an item whose name cannot be read is taken), in the host's order,
// into `found` (contents replaced, empty after a failure). A visit result of -1 or -2
// raises ardotk::Error(code, ""); an invalid pattern ardotk::Error(0, description).
void VariantfeatItemsVisit(ProFeature& component, const char* pattern,
                           std::vector<ProModelitem>& found);

}  // namespace ardotk
