// Writing the model triangulated to "<name>.stl", placed relative to a coordinate system
// and moved by the caller's matrix.
#include <ProAsmcomppath.h>
#include <ProCsys.h>
#include <ProGeomitemdata.h>
#include <ProModelitem.h>
#include <ProUtil.h>

#include <string>

#include "base/text.h"
#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/check.h"
#include "toolkit/owned.h"

namespace Ardo {

namespace {

constexpr const char* kStlText = "Ardo::Solid::WriteSTL";

using GeomitemdataOwner = ardotk::Owned<ProGeomitemdata*, ProGeomitemdataFree>;

// The placement of coordinate system `csysName` of `model`: the matrix whose columns are
// its axes and its origin.
Matrix csysPlacement(ProMdl model, const char* csysName) {
    ProName wide = {};
    text::widenBounded(wide, csysName);
    ProModelitem item{};
    check(ProModelitemByNameInit(model, PRO_CSYS, wide, &item), kStlText);
    ProCsys csys = nullptr;
    check(ProCsysInit(static_cast<ProSolid>(item.owner), item.id, &csys), kStlText);
    GeomitemdataOwner data;
    check(ProCsysDataGet(csys, data.out()), kStlText);
    if (data.get() == nullptr || data.get()->data.p_csys_data == nullptr) {
        throw Error(PRO_TK_GENERAL_ERROR, kStlText);
    }
    ProCsysdata& placement = *data.get()->data.p_csys_data;
    ProMatrix hostRows = {};
    check(ProMatrixInit(placement.x_vector, placement.y_vector, placement.z_vector,
                        placement.origin, hostRows),
          kStlText);
    check(data.release(), "ProGeomitemdataFree");
    // The host's rows are the axes and the origin: transposed, they become columns.
    Matrix a(hostRows);
    return ~a;
}

}  // namespace

void Solid::WriteSTL(const char* name, Matrix& m, const char* csysName, double chord,
                     double angle) {
    requireHandle(kStlText);
    double quality[2] = {chord, angle};
    Matrix a = csysPlacement(handle, csysName);
    // B = A · m⁻¹, inverted: m · A⁻¹. The caller's matrix keeps its inverse.
    Matrix b = a * !m;
    !b;
    ProMatrix transform = {};
    b.Get4X4ProE(transform);

    ProFileName fileName = {};
    text::widenBounded(fileName, (std::string(name == nullptr ? "" : name) + ".stl").c_str());
    check(
        ProIntfSliceFileExport(handle, fileName, PRO_SLA_BINARY_FILE, quality, transform, nullptr),
        "ProIntfSliceFileExport");
}

}  // namespace Ardo
