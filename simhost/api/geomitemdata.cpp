// Geometry data of items and its release.
#include <ProGeomitemdata.h>

#include <memory>
#include <string>

#include "simhost/api/curve_records.h"
#include "simhost/api/geomitem_data.h"
#include "simhost/api/live_kind.h"
#include "simhost/api/model_args.h"
#include "simhost/core/entry.h"
#include "simhost/state/features.h"

using simhost::state::curveFind;
using simhost::state::CurveItem;
using simhost::state::features;
using simhost::state::GeomItem;
using simhost::state::Model;

namespace simhost::api {

namespace {

// One block per handout: the record and what its union points at.
struct GeomitemdataBlock {
    ProGeomitemdata data;
    ProCsysdata csys;
    ProCurvedata curve;
};

LiveKind& blocks() {
    static auto* kind = new LiveKind;
    return *kind;
}

// Frees the block with what it owns (a spline's arrays).
void blockRelease(const void* p) {
    blocks().forget(p);
    auto* block = static_cast<GeomitemdataBlock*>(const_cast<void*>(p));
    if (block->data.obj_type == PRO_CURVE) {
        curveRecordRelease(block->curve);
    }
    delete block;
}

void copyVec(const geometry::Vec3& from, ProVector to) {
    for (int k = 0; k < 3; ++k) {
        to[k] = from[static_cast<std::size_t>(k)];
    }
}

}  // namespace

ProGeomitemdata* geomitemdataOfCsys(const geometry::Placement& place) {
    auto* block = new GeomitemdataBlock{};
    block->data.obj_type = PRO_CSYS;
    block->data.data.p_csys_data = &block->csys;
    copyVec(place.x, block->csys.x_vector);
    copyVec(place.y, block->csys.y_vector);
    copyVec(place.z, block->csys.z_vector);
    copyVec(place.origin, block->csys.origin);
    blocks().add(&block->data, blockRelease);
    return &block->data;
}

ProGeomitemdata* geomitemdataOfCurve(const state::CurveGeometry& geometry) {
    auto block = std::make_unique<GeomitemdataBlock>();
    block->data.obj_type = PRO_CURVE;
    block->data.data.p_curve_data = &block->curve;
    curveRecordFill(geometry, block->curve);
    ProGeomitemdata* out = &block.release()->data;
    blocks().add(out, blockRelease);
    return out;
}

}  // namespace simhost::api

extern "C" {

ProError ProGeomitemdataGet(ProGeomitem* p_item, ProGeomitemdata** p_data_ptr) try {
    SIMHOST_ENTER("ProGeomitemdataGet", p_item != nullptr ? simhost::api::handleArg(p_item->owner) +
                                                                ":" + std::to_string(p_item->id)
                                                          : std::string("null"));
    SIMHOST_SESSION(s);
    if (p_item == nullptr || p_data_ptr == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    Model* model = simhost::api::modelOf(s, p_item->owner);
    if (model == nullptr || !simhost::api::isSolid(*model)) {
        return PRO_TK_BAD_INPUTS;
    }
    const GeomItem* item = features(*model).item(p_item->id);
    if (item == nullptr || item->type != p_item->type) {
        return PRO_TK_E_NOT_FOUND;
    }
    if (item->type == PRO_CSYS) {
        *p_data_ptr = simhost::api::geomitemdataOfCsys(item->place);
        return PRO_TK_NO_ERROR;
    }
    if (item->type == PRO_CURVE) {
        const CurveItem* curve = curveFind(*model, item->id);
        if (curve == nullptr) {
            return PRO_TK_E_NOT_FOUND;
        }
        *p_data_ptr = simhost::api::geomitemdataOfCurve(curve->geometry);
        return PRO_TK_NO_ERROR;
    }
    return PRO_TK_UNSUPPORTED;
}
SIMHOST_CATCH

ProError ProGeomitemdataFree(ProGeomitemdata** to_free) try {
    SIMHOST_ENTER("ProGeomitemdataFree");
    if (to_free == nullptr || !simhost::api::blocks().remove(*to_free)) {
        return PRO_TK_BAD_INPUTS;
    }
    simhost::api::blockRelease(*to_free);
    *to_free = nullptr;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
