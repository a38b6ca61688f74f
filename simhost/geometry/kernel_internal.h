// The kernel module's shared internals: the solid table, the guard that turns kernel
// exceptions into host codes, and the conversions between placements and the kernel's
// transformations. Included only by the module's own files (simhost/geometry/kernel*.cpp),
// the only files of the host that see the geometry kernel.
#pragma once

#ifdef SIMHOST_HAVE_KERNEL

#include <new>
#include <unordered_map>
#include <vector>

#include <Standard_Failure.hxx>
#include <TopoDS_Shape.hxx>
#include <gp_Trsf.hxx>

#include "simhost/geometry/kernel.h"

namespace simhost::geometry::detail {

// Placements written by hand with a few decimals still count as orthonormal.
constexpr double kPlacementTolerance = 1e-6;

// The solids by id. Never destroyed: models freed during the program's exit still find
// it, whatever the order in which static objects go.
struct SolidTable {
    std::unordered_map<int, TopoDS_Shape> solids;
    int nextId = 1;
};
SolidTable& table();

// Before the kernel's first use: silences its console output (and, in leak-checked
// builds, makes the STEP translator's one-time allocations unseen).
void prepareOnce();

// Runs a call of the module: kernel exceptions stop here.
template <typename Call>
ProError guarded(Call call) noexcept {
    try {
        prepareOnce();
        return call();
    } catch (const Standard_Failure&) {
        return PRO_TK_GENERAL_ERROR;
    } catch (const std::bad_alloc&) {
        return PRO_TK_OUT_OF_MEMORY;
    } catch (...) {
        return PRO_TK_GENERAL_ERROR;
    }
}

// The solid of an id, or nullptr.
const TopoDS_Shape* find(int id);
// Keeps the shape under a new id.
ProError keep(const TopoDS_Shape& shape, int* id);
bool finite(const Vec3& v);
bool positive(double d);
// The placement as the kernel's transformation (axes made exactly orthonormal first).
gp_Trsf transformOf(const Placement& placement);
// The solid moved into its placement and then by `outer`; false for an unknown id or a
// placement whose axes are not orthonormal.
bool placed(const PlacedSolid& solid, const gp_Trsf& outer, TopoDS_Shape& out);
bool hasSolid(const TopoDS_Shape& shape);
// The volume of the solids of a shape (faces and shells outside solids hold none).
double volumeOf(const TopoDS_Shape& shape);
// One compound of the placed solids; false for an unknown id or a placement whose axes
// are not orthonormal.
bool placedCompound(const std::vector<PlacedSolid>& solids, TopoDS_Shape& out);

}  // namespace simhost::geometry::detail

#endif
