#include "toolkit/datum_plane.h"

#include <vector>

#include "kelt2proe/error.h"
#include "toolkit/curve.h"
#include "toolkit/elemtree.h"
#include "toolkit/feature.h"

namespace ardotk {

namespace {

// Element ids and values of the datum-plane feature tree.
constexpr ProElemId kFeatureTree = 386;
constexpr ProElemId kFeatureType = 387;
constexpr ProElemId kConstraints = 410;
constexpr ProElemId kConstraint = 411;
constexpr ProElemId kConstraintType = 412;
constexpr ProElemId kConstraintRef = 413;
constexpr ProElemId kCsysAxis = 417;
constexpr ProElemId kCsysOffset = 418;
constexpr int kDatumPlaneFeature = 923;
constexpr int kOffsetFromCsys = 3;

}  // namespace

ProGeomitem DatumPlaneCreate(ProSolid solid, ProSelection csys, int axis) {
    ElemTree tree = ElementAlloc(kFeatureTree);
    ElementAdd(tree.get(), ElementInteger(kFeatureType, kDatumPlaneFeature));
    ProElement constraints = ElementAdd(tree.get(), ElementAlloc(kConstraints));
    ProElement constraint = ElementAdd(constraints, ElementAlloc(kConstraint));
    ElementAdd(constraint, ElementInteger(kConstraintType, kOffsetFromCsys));
    ElementAdd(constraint, ElementSelection(kConstraintRef, csys));
    ElementAdd(constraint, ElementInteger(kCsysAxis, axis));
    ElementAdd(constraint, ElementDouble(kCsysOffset, 0.0));
    ProFeature plane = FeatureCreate(solid, tree.get());
    std::vector<ProGeomitem> surfaces = FeatureGeomitems(plane, PRO_SURFACE);
    if (surfaces.empty()) {
        throw Error(PRO_TK_E_NOT_FOUND, "");
    }
    return surfaces.front();
}

}  // namespace ardotk
