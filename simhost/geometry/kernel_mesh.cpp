// Triangulations of placed solids. Part of the kernel module (kernel.h).
#ifdef SIMHOST_HAVE_KERNEL

#include "simhost/geometry/kernel.h"
#include "simhost/geometry/kernel_internal.h"

#include <cmath>
#include <utility>

#include <BRepBndLib.hxx>
#include <BRepMesh_IncrementalMesh.hxx>
#include <BRepTools.hxx>
#include <BRep_Tool.hxx>
#include <Bnd_Box.hxx>
#include <Poly_Triangulation.hxx>
#include <TopExp_Explorer.hxx>
#include <TopLoc_Location.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Face.hxx>

namespace simhost::geometry {

using namespace detail;

namespace {

double diagonalOf(const TopoDS_Shape& shape) {
    Bnd_Box bounds;
    BRepBndLib::Add(shape, bounds);
    if (bounds.IsVoid()) {
        return 0.0;
    }
    return std::sqrt(bounds.SquareExtent());
}

}  // namespace

ProError solidsDiagonal(const std::vector<PlacedSolid>& solids, double* diagonal) {
    if (solids.empty() || diagonal == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    return guarded([&] {
        TopoDS_Shape all;
        if (!placedCompound(solids, all)) {
            return PRO_TK_BAD_INPUTS;
        }
        *diagonal = diagonalOf(all);
        return PRO_TK_NO_ERROR;
    });
}

ProError solidsMesh(const std::vector<PlacedSolid>& solids, double deflection, double angle,
                    std::size_t maxTriangles, TriangleMesh* mesh) {
    if (solids.empty() || mesh == nullptr || !positive(deflection) || !positive(angle)) {
        return PRO_TK_BAD_INPUTS;
    }
    return guarded([&] {
        TopoDS_Shape all;
        if (!placedCompound(solids, all)) {
            return PRO_TK_BAD_INPUTS;
        }
        // A triangulation left by an earlier, finer request would be kept: the same
        // request must give the same facets whatever came before.
        BRepTools::Clean(all, true);
        BRepMesh_IncrementalMesh mesher(all, deflection, false, angle, false);
        if (!mesher.IsDone()) {
            return PRO_TK_GENERAL_ERROR;
        }
        TriangleMesh out;
        for (TopExp_Explorer it(all, TopAbs_FACE); it.More(); it.Next()) {
            const TopoDS_Face& face = TopoDS::Face(it.Current());
            TopLoc_Location location;
            Handle(Poly_Triangulation) facets = BRep_Tool::Triangulation(face, location);
            if (facets.IsNull()) {
                continue;
            }
            if (out.triangles.size() + facets->NbTriangles() > maxTriangles) {
                return PRO_TK_BAD_INPUTS;
            }
            const gp_Trsf& move = location.Transformation();
            const int base = static_cast<int>(out.vertices.size());
            for (int i = 1; i <= facets->NbNodes(); ++i) {
                gp_Pnt p = facets->Node(i).Transformed(move);
                out.vertices.push_back({p.X(), p.Y(), p.Z()});
            }
            const bool reversed = face.Orientation() == TopAbs_REVERSED;
            for (int i = 1; i <= facets->NbTriangles(); ++i) {
                int a = 0;
                int b = 0;
                int c = 0;
                facets->Triangle(i).Get(a, b, c);
                if (reversed) {
                    std::swap(b, c);
                }
                out.triangles.push_back({base + a - 1, base + b - 1, base + c - 1});
            }
        }
        *mesh = std::move(out);
        return PRO_TK_NO_ERROR;
    });
}

}  // namespace simhost::geometry

#endif
