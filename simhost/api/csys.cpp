// Coordinate systems: handles, placements, the visit of a solid's coordinate systems.
#include <ProCsys.h>
#include <ProGeomitem.h>
#include <ProSolid.h>

#include <string>
#include <vector>

#include "simhost/api/geom_args.h"
#include "simhost/api/geomitem_data.h"
#include "simhost/core/entry.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::geomArg;
using simhost::api::geomOf;
using simhost::api::handleArg;
using simhost::api::isSolid;
using simhost::api::modelOf;

extern "C" {

ProError ProCsysInit(ProSolid owner_handle, int csys_id, ProCsys* p_handle) try {
    SIMHOST_ENTER("ProCsysInit", handleArg(owner_handle), std::to_string(csys_id));
    SIMHOST_SESSION(s);
    void* handle = nullptr;
    ProError rc = simhost::api::geomInit(s, owner_handle, csys_id, PRO_CSYS, &handle);
    if (rc == PRO_TK_NO_ERROR) {
        *p_handle = static_cast<ProCsys>(handle);
    }
    return rc;
}
SIMHOST_CATCH

ProError ProCsysDataGet(ProCsys p_csys, ProGeomitemdata** p_data_ptr) try {
    SIMHOST_ENTER("ProCsysDataGet", geomArg(p_csys));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    GeomItem* item = nullptr;
    if (p_data_ptr == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = geomOf(s, p_csys, PRO_CSYS, model, item)) {
        return rc;
    }
    *p_data_ptr = simhost::api::geomitemdataOfCsys(item->place);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProCsysToGeomitem(ProSolid solid, ProCsys csys_handle, ProGeomitem* r_geom_item) try {
    SIMHOST_ENTER("ProCsysToGeomitem", handleArg(solid), geomArg(csys_handle));
    SIMHOST_SESSION(s);
    return simhost::api::geomToItem(s, solid, csys_handle, PRO_CSYS, r_geom_item);
}
SIMHOST_CATCH

ProError ProSolidCsysVisit(ProSolid p_handle, ProCsysVisitAction visit_action,
                           ProCsysFilterAction filter_action, ProAppData app_data) try {
    SIMHOST_ENTER("ProSolidCsysVisit", handleArg(p_handle));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, p_handle);
    if (m == nullptr || !isSolid(*m) || visit_action == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    return simhost::api::geomVisit<ProCsys>(s, p_handle, simhost::api::geomIds(*m, PRO_CSYS, true),
                                            PRO_CSYS, filter_action, visit_action, app_data);
}
SIMHOST_CATCH

}  // extern "C"
