// Shrinkwrap and faceted files on the geometry kernel.
#ifdef SIMHOST_HAVE_KERNEL

#include "simhost/geometry/kernel_shrinkwrap.h"

#include <algorithm>
#include <cmath>
#include <fstream>

#include <BRepAlgoAPI_Fuse.hxx>
#include <BRepBndLib.hxx>
#include <BRepBuilderAPI_Copy.hxx>
#include <BRepBuilderAPI_MakeSolid.hxx>
#include <BRepClass3d.hxx>
#include <BRepMesh_IncrementalMesh.hxx>
#include <BRep_Builder.hxx>
#include <BRep_Tool.hxx>
#include <Bnd_Box.hxx>
#include <Poly_Triangulation.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Compound.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Shell.hxx>
#include <TopoDS_Solid.hxx>
#include <gp_Pnt.hxx>
#include <gp_Vec.hxx>

#include "simhost/geometry/kernel_internal.h"

namespace simhost::geometry {

namespace {

// Each solid of the shape rebuilt from its outer shell.
TopoDS_Shape outerShellsOnly(const TopoDS_Shape& shape) {
    BRep_Builder builder;
    TopoDS_Compound out;
    builder.MakeCompound(out);
    for (TopExp_Explorer it(shape, TopAbs_SOLID); it.More(); it.Next()) {
        const TopoDS_Solid& solid = TopoDS::Solid(it.Current());
        TopoDS_Shell outer = BRepClass3d::OuterShell(solid);
        if (outer.IsNull()) {
            builder.Add(out, solid);
            continue;
        }
        BRepBuilderAPI_MakeSolid made(outer);
        builder.Add(out, made.IsDone() ? made.Solid() : solid);
    }
    return out;
}

void writeFacet(std::ofstream& out, const gp_Pnt& a, const gp_Pnt& b, const gp_Pnt& c) {
    gp_Vec normal = gp_Vec(a, b).Crossed(gp_Vec(a, c));
    if (normal.Magnitude() > 0.0) {
        normal.Normalize();
    }
    out << "  facet normal " << normal.X() << ' ' << normal.Y() << ' ' << normal.Z() << "\n"
        << "    outer loop\n";
    for (const gp_Pnt* p : {&a, &b, &c}) {
        out << "      vertex " << p->X() << ' ' << p->Y() << ' ' << p->Z() << "\n";
    }
    out << "    endloop\n  endfacet\n";
}

}  // namespace

ProError solidsShrinkwrap(const std::vector<PlacedSolid>& solids, bool fillVoids, int* id) {
    if (solids.empty() || id == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    return detail::guarded([&]() -> ProError {
        TopoDS_Shape together;
        for (std::size_t i = 0; i < solids.size(); ++i) {
            TopoDS_Shape shape;
            if (!detail::placed(solids[i], gp_Trsf(), shape)) {
                return PRO_TK_BAD_INPUTS;
            }
            if (i == 0) {
                together = shape;
                continue;
            }
            BRepAlgoAPI_Fuse fuse(together, shape);
            if (!fuse.IsDone() || fuse.HasErrors()) {
                return PRO_TK_GENERAL_ERROR;
            }
            together = fuse.Shape();
        }
        if (fillVoids) {
            together = outerShellsOnly(together);
        }
        if (!detail::hasSolid(together)) {
            return PRO_TK_GENERAL_ERROR;
        }
        return detail::keep(together, id);
    });
}

ProError solidStlWrite(int id, const std::filesystem::path& file, int quality, int* triangles) {
    const TopoDS_Shape* shape = detail::find(id);
    if (shape == nullptr || triangles == nullptr || quality < 1 || quality > 10) {
        return PRO_TK_BAD_INPUTS;
    }
    return detail::guarded([&]() -> ProError {
        Bnd_Box bounds;
        BRepBndLib::Add(*shape, bounds);
        if (bounds.IsVoid()) {
            return PRO_TK_GENERAL_ERROR;
        }
        const double diagonal = std::sqrt(bounds.SquareExtent());
        // A mesh of a copy: the kept solid stays without triangulation.
        TopoDS_Shape meshed = BRepBuilderAPI_Copy(*shape).Shape();
        BRepMesh_IncrementalMesh mesh(meshed, 0.01 * diagonal / quality, false, 0.5 / quality);
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        if (!out) {
            return PRO_TK_CANT_WRITE;
        }
        out.precision(9);
        out << "solid shrinkwrap\n";
        int count = 0;
        for (TopExp_Explorer it(meshed, TopAbs_FACE); it.More(); it.Next()) {
            const TopoDS_Face& face = TopoDS::Face(it.Current());
            TopLoc_Location location;
            Handle(Poly_Triangulation) tri = BRep_Tool::Triangulation(face, location);
            if (tri.IsNull()) {
                continue;
            }
            const gp_Trsf move = location.Transformation();
            const bool reversed = face.Orientation() == TopAbs_REVERSED;
            for (Standard_Integer t = 1; t <= tri->NbTriangles(); ++t) {
                Standard_Integer n1 = 0;
                Standard_Integer n2 = 0;
                Standard_Integer n3 = 0;
                tri->Triangle(t).Get(n1, n2, n3);
                if (reversed) {
                    std::swap(n2, n3);
                }
                writeFacet(out, tri->Node(n1).Transformed(move), tri->Node(n2).Transformed(move),
                           tri->Node(n3).Transformed(move));
                ++count;
            }
        }
        out << "endsolid shrinkwrap\n";
        out.flush();
        if (!out || count == 0) {
            return out ? PRO_TK_GENERAL_ERROR : PRO_TK_CANT_WRITE;
        }
        *triangles = count;
        return PRO_TK_NO_ERROR;
    });
}

}  // namespace simhost::geometry

#endif
