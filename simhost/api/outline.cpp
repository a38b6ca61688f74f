// The outline box of a solid in the frame of a matrix: the solids' exact bounding box
// and, unless excluded, the datum points and coordinate-system origins.
#include <ProSolid.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "simhost/api/enum_args.h"
#include "simhost/api/geom_args.h"
#include "simhost/core/entry.h"
#include "simhost/state/placed_solids.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::handleArg;
using simhost::api::isSolid;
using simhost::api::modelOf;
using simhost::api::plainInt;
namespace geo = simhost::geometry;

namespace {

// The frame of a host matrix: rows 0 to 2 the axes, row 3 the origin. False when a
// number is not finite or the axes are not orthonormal and right-handed.
bool frameOfMatrix(const ProMatrix matrix, geo::Placement& frame) {
    for (int r = 0; r < 4; ++r) {
        for (int k = 0; k < 4; ++k) {
            if (!std::isfinite(matrix[r][k])) {
                return false;
            }
        }
    }
    for (int k = 0; k < 3; ++k) {
        frame.x[k] = matrix[0][k];
        frame.y[k] = matrix[1][k];
        frame.z[k] = matrix[2][k];
        frame.origin[k] = matrix[3][k];
    }
    return geo::orthonormal(frame, 1e-6);
}

// The excluded item types; false for an exclusion the host does not know.
bool excludedTypes(const ProSolidOutlExclTypes* excludes, int count, bool& points, bool& csys) {
    if (count < 0 || (count > 0 && excludes == nullptr)) {
        return false;
    }
    for (int i = 0; i < count; ++i) {
        const int type = plainInt(excludes[i]);
        if (type < PRO_OUTL_EXC_NOT_USED || type > PRO_OUTL_EXC_ALL_CRVS) {
            return false;
        }
        points = points || type == PRO_OUTL_EXC_DATUM_POINT;
        csys = csys || type == PRO_OUTL_EXC_DATUM_CSYS;
    }
    return true;
}

// A box that grows to hold what is added.
struct Extent {
    bool empty = true;
    geo::Box3 box;
    void add(const geo::Vec3& p) {
        for (std::size_t k = 0; k < 3; ++k) {
            box.min[k] = empty ? p[k] : std::min(box.min[k], p[k]);
            box.max[k] = empty ? p[k] : std::max(box.max[k], p[k]);
        }
        empty = false;
    }
};

}  // namespace

extern "C" {

ProError ProSolidOutlineCompute(ProSolid p_solid, ProMatrix matrix,
                                ProSolidOutlExclTypes excludes[], int num_excludes,
                                Pro3dPnt r_outline_points[2]) try {
    SIMHOST_ENTER("ProSolidOutlineCompute", handleArg(p_solid), std::to_string(num_excludes));
    SIMHOST_SESSION(s);
    Model* model = modelOf(s, p_solid);
    geo::Placement frame;
    bool noPoints = false;
    bool noCsys = false;
    if (model == nullptr || !isSolid(*model) || matrix == nullptr || r_outline_points == nullptr ||
        !frameOfMatrix(matrix, frame) || !excludedTypes(excludes, num_excludes, noPoints, noCsys)) {
        return PRO_TK_BAD_INPUTS;
    }
    Extent extent;
    const std::vector<geo::PlacedSolid> solids = modelSolidsPlaced(*s, *model, geo::Placement{});
    if (!solids.empty()) {
        geo::Box3 box;
        if (ProError rc = geo::solidsBoundingBox(solids, frame, &box)) {
            return rc;
        }
        extent.add(box.min);
        extent.add(box.max);
    } else if (modelDeclaresSolids(*s, *model)) {
        return geo::kKernelNotAvailable;
    }
    FeatureStore& store = features(*model);
    for (int type : {PRO_POINT, PRO_CSYS}) {
        if ((type == PRO_POINT && noPoints) || (type == PRO_CSYS && noCsys)) {
            continue;
        }
        for (int id : simhost::api::geomIds(*model, type, true)) {
            extent.add(pointInFrame(frame, store.item(id)->place.origin));
        }
    }
    if (extent.empty) {
        return PRO_TK_E_NOT_FOUND;
    }
    for (std::size_t k = 0; k < 3; ++k) {
        r_outline_points[0][k] = extent.box.min[k];
        r_outline_points[1][k] = extent.box.max[k];
    }
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
