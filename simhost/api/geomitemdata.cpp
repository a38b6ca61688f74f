// Geometry data of items and its release.
#include <ProGeomitemdata.h>

#include "simhost/api/geomitem_data.h"
#include "simhost/core/allocations.h"
#include "simhost/core/entry.h"

namespace simhost::api {

namespace {

// One block per handout: the record and what its union points at.
struct GeomitemdataBlock {
    ProGeomitemdata data;
    ProCsysdata csys;
};

void blockRelease(const void* p) {
    delete static_cast<const GeomitemdataBlock*>(p);
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
    core::allocationAdd(&block->data, blockRelease);
    return &block->data;
}

}  // namespace simhost::api

extern "C" {

ProError ProGeomitemdataFree(ProGeomitemdata** to_free) try {
    SIMHOST_ENTER("ProGeomitemdataFree");
    if (to_free == nullptr || *to_free == nullptr || !simhost::core::allocationRemove(*to_free)) {
        return PRO_TK_BAD_INPUTS;
    }
    simhost::api::blockRelease(*to_free);
    *to_free = nullptr;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
