// Curves of solids through their handles: the handle of a curve item, its type, length
// and points.
#include <ProCurve.h>
#include <ProGeomitem.h>

#include <string>

#include "simhost/api/geom_args.h"
#include "simhost/core/entry.h"
#include "simhost/state/curves.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::geomArg;
using simhost::api::geomOf;

namespace {

// The curve a handle names: PRO_TK_BAD_INPUTS for no curve handle, PRO_TK_E_NOT_FOUND
// when its model or item is gone (or the item has no curve geometry).
ProError curveOf(Session* s, ProCurve handle, const CurveItem*& curve) {
    Model* model = nullptr;
    GeomItem* item = nullptr;
    if (ProError rc = geomOf(s, handle, PRO_CURVE, model, item)) {
        return rc;
    }
    curve = curveFind(*model, item->id);
    return curve != nullptr ? PRO_TK_NO_ERROR : PRO_TK_E_NOT_FOUND;
}

void copyVec(const simhost::geometry::Vec3& from, double* to) {
    if (to != nullptr) {
        for (int k = 0; k < 3; ++k) {
            to[k] = from[static_cast<std::size_t>(k)];
        }
    }
}

}  // namespace

extern "C" {

ProError ProGeomitemToCurve(ProGeomitem* p_geom_item, ProCurve* r_curve_handle) try {
    SIMHOST_ENTER("ProGeomitemToCurve", p_geom_item != nullptr
                                            ? simhost::api::handleArg(p_geom_item->owner) + ":" +
                                                  std::to_string(p_geom_item->id)
                                            : std::string("null"));
    SIMHOST_SESSION(s);
    if (p_geom_item == nullptr || r_curve_handle == nullptr || p_geom_item->type != PRO_CURVE) {
        return PRO_TK_BAD_INPUTS;
    }
    void* handle = nullptr;
    if (ProError rc = simhost::api::geomInit(s, static_cast<ProSolid>(p_geom_item->owner),
                                             p_geom_item->id, PRO_CURVE, &handle)) {
        return rc;
    }
    *r_curve_handle = static_cast<ProCurve>(handle);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProCurveTypeGet(ProCurve p_curve, ProEnttype* p_curve_type) try {
    SIMHOST_ENTER("ProCurveTypeGet", geomArg(p_curve));
    SIMHOST_SESSION(s);
    const CurveItem* curve = nullptr;
    if (p_curve_type == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = curveOf(s, p_curve, curve)) {
        return rc;
    }
    *p_curve_type = static_cast<ProEnttype>(curve->geometry.kind);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProCurveLengthEval(ProCurve p_curve, double* p_length) try {
    SIMHOST_ENTER("ProCurveLengthEval", geomArg(p_curve));
    SIMHOST_SESSION(s);
    const CurveItem* curve = nullptr;
    if (p_length == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = curveOf(s, p_curve, curve)) {
        return rc;
    }
    return curveLength(curve->geometry, p_length);
}
SIMHOST_CATCH

ProError ProCurveXyzdataEval(ProCurve p_curve, double curve_param, ProVector xyz_point,
                             ProVector deriv1, ProVector deriv2) try {
    SIMHOST_ENTER("ProCurveXyzdataEval", geomArg(p_curve), std::to_string(curve_param));
    SIMHOST_SESSION(s);
    const CurveItem* curve = nullptr;
    if (ProError rc = curveOf(s, p_curve, curve)) {
        return rc;
    }
    CurvePoint at;
    if (ProError rc = curveEvaluate(curve->geometry, curve_param, &at)) {
        return rc;
    }
    copyVec(at.point, xyz_point);
    copyVec(at.d1, deriv1);
    copyVec(at.d2, deriv2);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
