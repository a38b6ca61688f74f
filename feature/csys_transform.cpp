// Placements: a coordinate system's transform in model coordinates, and datum points in
// model coordinates or relative to a coordinate system's origin.
#include <ProAsmcomppath.h>
#include <ProCsys.h>
#include <ProGeomitemdata.h>
#include <ProModelitem.h>
#include <ProPoint.h>

#include "base/text.h"
#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/owned.h"

namespace Ardo {

namespace {

using GeomitemdataOwner = ardotk::Owned<ProGeomitemdata*, ProGeomitemdataFree>;

// The host matrix has the axes and the origin as its rows: transposed, they become the
// columns of the library's matrix.
Matrix fromHostRows(const ProMatrix host) {
    double m[4][4];
    for (int r = 0; r < 4; ++r) {
        for (int k = 0; k < 4; ++k) {
            m[r][k] = host[k][r];
        }
    }
    return Matrix(m);
}

}  // namespace

Matrix Solid::CsysGetTransform(const char* csysName) {
    constexpr const char* kText = "Ardo::Solid::CsysGetTransform";
    requireHandle(kText);
    ProName wide = {};
    text::widenBounded(wide, csysName);
    ProModelitem item{};
    check(ProModelitemByNameInit(handle, PRO_CSYS, wide, &item),
          "CsysGetTransform CSYS nicht gefunden");
    ProCsys csys = nullptr;
    check(ProCsysInit(static_cast<ProSolid>(handle), item.id, &csys), kText);
    GeomitemdataOwner data;
    check(ProCsysDataGet(csys, data.out()), kText);
    if (data.get() == nullptr || data.get()->data.p_csys_data == nullptr) {
        throw Error(PRO_TK_GENERAL_ERROR, kText);
    }
    ProCsysdata& placement = *data.get()->data.p_csys_data;
    ProMatrix host = {};
    check(ProMatrixInit(placement.x_vector, placement.y_vector, placement.z_vector,
                        placement.origin, host),
          kText);
    check(data.release(), kText);
    return fromHostRows(host);
}

Vector Solid::TransGet(const kelt2pPointData& point) {
    requireHandle("ProPointInit");
    ProPoint handlePoint = nullptr;
    check(ProPointInit(static_cast<ProSolid>(handle), point.id, &handlePoint), "ProPointInit");
    ProVector xyz = {};
    check(ProPointCoordGet(handlePoint, xyz), "ProPointCoordGet");
    return Vector(xyz[0], xyz[1], xyz[2]);
}

Vector Solid::TransGet(const char* csysName, const kelt2pPointData& point, const Matrix& m) {
    Vector origin = CsysGetTransform(csysName).TransGet();
    Vector relative = TransGet(point) - origin;
    return m * relative;
}

}  // namespace Ardo
