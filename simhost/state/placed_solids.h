// What the host measures on: the model at the end of a component path with its
// placement in the root's frame, and the solids of a model placed in a frame (a part's
// own; an assembly's, those of every part placed below it).
#pragma once

#include <ProAsmcomppath.h>

#include <vector>

#include "simhost/geometry/kernel.h"
#include "simhost/state/models.h"
#include "simhost/state/sessions.h"

namespace simhost::state {

// The model at the end of the path and where its frame sits in the root's frame.
struct PathEnd {
    Model* model = nullptr;
    geometry::Placement place;
};

// PRO_TK_NO_ERROR, or PRO_TK_BAD_INPUTS for a path that names no model of the session.
ProError pathEndResolve(Session& session, const ProAsmcomppath& path, PathEnd& end);

// The solids of `model` placed by `place`: a part's own solids (those its file declares,
// then those of its revolved features, then those of its import features); for an assembly those of
// every part placed below it, placements composed.
std::vector<geometry::PlacedSolid> modelSolidsPlaced(Session& session, Model& model,
                                                     const geometry::Placement& place);

// True when `model`, or a part placed below it, declares solids in its file or has
// complete revolved features: in a build
// without the kernel those hold no solids, and measuring them is not available.
bool modelDeclaresSolids(Session& session, Model& model);

// The point p given in `frame`'s coordinates (the inverse of placePoint).
geometry::Vec3 pointInFrame(const geometry::Placement& frame, const geometry::Vec3& p);

}  // namespace simhost::state
