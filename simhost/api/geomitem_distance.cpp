// The distance between two selected geometry items, each placed in its root's frame by
// the component path of its selection.
//
// Items measured: datum points (66), coordinate systems (25, by their origin), and parts
// or assemblies (item type 2 or 1, id the model's own id) by their solids. Two points give
// their exact distance; two solids the kernel's minimum distance. A point against a
// solid is not measured (PRO_TK_UNSUPPORTED).
#include <ProGeomitem.h>
#include <ProMdl.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "simhost/api/model_args.h"
#include "simhost/core/entry.h"
#include "simhost/state/features.h"
#include "simhost/state/placed_solids.h"
#include "simhost/state/selections.h"

using namespace simhost::core;
using namespace simhost::state;
namespace geo = simhost::geometry;

namespace {

// A selected item placed in its root's frame: a point, or solids.
struct Placed {
    Model* root = nullptr;
    bool isPoint = false;
    geo::Vec3 point{};
    std::vector<geo::PlacedSolid> solids;
    bool declaresSolids = false;
};

ProError placeSelection(Session& s, ProSelection selection, Placed& out) {
    const Selection* found = selectionFind(selection);
    if (found == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    const ProModelitem& item = found->data.item;
    ProAsmcomppath path{};
    if (found->data.path) {
        path = *found->data.path;
    } else {
        path.owner = static_cast<ProSolid>(item.owner);
        path.table_num = 0;
    }
    PathEnd end;
    if (ProError rc = pathEndResolve(s, path, end)) {
        return rc;
    }
    Model* owner = s.area<ModelStore>().byHandle(item.owner);
    if (owner == nullptr || owner != end.model) {
        return PRO_TK_BAD_INPUTS;
    }
    out.root = s.area<ModelStore>().byHandle(path.owner);
    if (item.type == PRO_POINT || item.type == PRO_CSYS) {
        const GeomItem* geom = features(*owner).item(item.id);
        if (geom == nullptr || geom->type != item.type) {
            return PRO_TK_BAD_INPUTS;
        }
        out.isPoint = true;
        out.point = geo::placePoint(end.place, geom->place.origin);
        return PRO_TK_NO_ERROR;
    }
    if ((item.type == PRO_PART || item.type == PRO_ASSEMBLY) && item.id == owner->id &&
        item.type == owner->type) {
        out.solids = modelSolidsPlaced(s, *owner, end.place);
        out.declaresSolids = modelDeclaresSolids(s, *owner);
        return PRO_TK_NO_ERROR;
    }
    return PRO_TK_BAD_INPUTS;
}

ProError solidsDistance(const Placed& a, const Placed& b, double& distance) {
    if (a.solids.empty() || b.solids.empty()) {
        return a.declaresSolids && b.declaresSolids ? geo::kKernelNotAvailable : PRO_TK_E_NOT_FOUND;
    }
    distance = std::numeric_limits<double>::infinity();
    for (const geo::PlacedSolid& first : a.solids) {
        for (const geo::PlacedSolid& second : b.solids) {
            double d = 0.0;
            if (ProError rc = geo::solidsDistance(first, second, &d)) {
                return rc;
            }
            distance = std::min(distance, d);
        }
    }
    return PRO_TK_NO_ERROR;
}

}  // namespace

extern "C" {

ProError ProGeomitemDistanceEval(ProSelection p_selection1, ProSelection p_selection2,
                                 double* p_result) try {
    SIMHOST_ENTER("ProGeomitemDistanceEval");
    SIMHOST_SESSION(s);
    Placed first;
    Placed second;
    if (p_result == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = placeSelection(*s, p_selection1, first)) {
        return rc;
    }
    if (ProError rc = placeSelection(*s, p_selection2, second)) {
        return rc;
    }
    // Both items must be placed in one frame.
    if (first.root != second.root) {
        return PRO_TK_BAD_INPUTS;
    }
    if (first.isPoint && second.isPoint) {
        *p_result = std::hypot(first.point[0] - second.point[0], first.point[1] - second.point[1],
                               first.point[2] - second.point[2]);
        return PRO_TK_NO_ERROR;
    }
    if (first.isPoint || second.isPoint) {
        return PRO_TK_UNSUPPORTED;
    }
    double distance = 0.0;
    if (ProError rc = solidsDistance(first, second, distance)) {
        return rc;
    }
    *p_result = distance;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
