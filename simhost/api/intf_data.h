// Interface data: the collection of curves an application builds for an import
// feature, copies of its records in the host's geometry.
#pragma once

#include <ProIntfData.h>

#include <vector>

#include "simhost/state/curves.h"

struct pro_intf_data {
    std::vector<simhost::state::CurveGeometry> curves;
};

namespace simhost::api {

// The collection at `p` while it is live (ProIntfDataAlloc, not yet freed), or null.
ProIntfData* intfDataLive(void* p);

}  // namespace simhost::api
