// Datum points: handles, coordinates, and the visit of the points a path displays.
#include <ProAsmcomppath.h>
#include <ProGeomitem.h>
#include <ProPoint.h>

#include <string>
#include <vector>

#include "simhost/api/geom_args.h"
#include "simhost/core/entry.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::geomArg;
using simhost::api::geomOf;
using simhost::api::handleArg;
using simhost::api::isSolid;
using simhost::api::modelOf;

namespace {

// The solid at the end of a path: the path's own root for a path of depth 0.
Model* pathSolid(Session* s, const ProAsmcomppath& path) {
    Model* root = modelOf(s, path.owner);
    if (root == nullptr || !isSolid(*root) || path.table_num < 0 ||
        path.table_num > PRO_MAX_ASSEM_LEVEL) {
        return nullptr;
    }
    // Components come with assemblies; until then only the root itself is reached.
    return path.table_num == 0 ? root : nullptr;
}

}  // namespace

extern "C" {

ProError ProPointInit(ProSolid owner_handle, int point_id, ProPoint* p_handle) try {
    SIMHOST_ENTER("ProPointInit", handleArg(owner_handle), std::to_string(point_id));
    SIMHOST_SESSION(s);
    void* handle = nullptr;
    ProError rc = simhost::api::geomInit(s, owner_handle, point_id, PRO_POINT, &handle);
    if (rc == PRO_TK_NO_ERROR) {
        *p_handle = static_cast<ProPoint>(handle);
    }
    return rc;
}
SIMHOST_CATCH

ProError ProPointCoordGet(ProPoint point, ProVector xyz_point) try {
    SIMHOST_ENTER("ProPointCoordGet", geomArg(point));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    GeomItem* item = nullptr;
    if (xyz_point == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = geomOf(s, point, PRO_POINT, model, item)) {
        return rc;
    }
    for (std::size_t k = 0; k < 3; ++k) {
        xyz_point[k] = item->place.origin[k];
    }
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProPointIdGet(ProPoint point, int* p_id) try {
    SIMHOST_ENTER("ProPointIdGet", geomArg(point));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    GeomItem* item = nullptr;
    if (p_id == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = geomOf(s, point, PRO_POINT, model, item)) {
        return rc;
    }
    *p_id = item->id;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProPointToGeomitem(ProSolid solid, ProPoint point_handle, ProGeomitem* r_geom_item) try {
    SIMHOST_ENTER("ProPointToGeomitem", handleArg(solid), geomArg(point_handle));
    SIMHOST_SESSION(s);
    return simhost::api::geomToItem(s, solid, point_handle, PRO_POINT, r_geom_item);
}
SIMHOST_CATCH

ProError ProAsmcomppathDispPointVisit(ProAsmcomppath* p_path, ProSolid handle,
                                      ProPointFilterAction filter_action,
                                      ProPointVisitAction visit_action, ProAppData app_data) try {
    SIMHOST_ENTER("ProAsmcomppathDispPointVisit",
                  p_path != nullptr ? handleArg(p_path->owner) : std::string("null"),
                  handleArg(handle));
    SIMHOST_SESSION(s);
    if (p_path == nullptr || visit_action == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    Model* m = pathSolid(s, *p_path);
    if (m == nullptr || modelOf(s, handle) != m) {
        return PRO_TK_BAD_INPUTS;
    }
    // The points of active features.
    return simhost::api::geomVisit<ProPoint>(s, handle, simhost::api::geomIds(*m, PRO_POINT, true),
                                             PRO_POINT, filter_action, visit_action, app_data);
}
SIMHOST_CATCH

}  // extern "C"
