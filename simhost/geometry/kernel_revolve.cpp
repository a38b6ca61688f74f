// Solids of revolution and union volumes on the geometry kernel; without it, each call
// answers "not available".
#ifdef SIMHOST_HAVE_KERNEL

#include "simhost/geometry/kernel_revolve.h"

#include <cmath>

#include <BRepAlgoAPI_Fuse.hxx>
#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepBuilderAPI_Transform.hxx>
#include <BRepPrimAPI_MakeRevol.hxx>
#include <GC_MakeArcOfCircle.hxx>
#include <Geom_TrimmedCurve.hxx>
#include <TopExp.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Vertex.hxx>
#include <TopoDS_Wire.hxx>
#include <gp_Ax1.hxx>
#include <gp_Pnt.hxx>

#include "simhost/geometry/kernel_internal.h"

namespace simhost::geometry {

namespace {

constexpr double kTwoPi = 6.283185307179586;

gp_Pnt pointOf(const Vec3& v) {
    return gp_Pnt(v[0], v[1], v[2]);
}

bool edgeFinite(const ProfileEdge& edge) {
    return detail::finite(edge.start) && detail::finite(edge.end) &&
           (!edge.arc || detail::finite(edge.through));
}

// The face inside the loop; false when the edges do not make one closed planar wire.
bool faceOf(const std::vector<ProfileEdge>& loop, TopoDS_Face& face) {
    BRepBuilderAPI_MakeWire wire;
    for (const ProfileEdge& edge : loop) {
        if (!edgeFinite(edge)) {
            return false;
        }
        if (edge.arc) {
            GC_MakeArcOfCircle arc(pointOf(edge.start), pointOf(edge.through), pointOf(edge.end));
            if (!arc.IsDone()) {
                return false;
            }
            wire.Add(BRepBuilderAPI_MakeEdge(arc.Value()).Edge());
        } else {
            BRepBuilderAPI_MakeEdge line(pointOf(edge.start), pointOf(edge.end));
            if (!line.IsDone()) {
                return false;
            }
            wire.Add(line.Edge());
        }
        if (!wire.IsDone()) {
            return false;
        }
    }
    if (loop.empty() || !wire.IsDone()) {
        return false;
    }
    TopoDS_Vertex first;
    TopoDS_Vertex last;
    TopExp::Vertices(wire.Wire(), first, last);
    if (first.IsNull() || !first.IsSame(last)) {
        return false;
    }
    BRepBuilderAPI_MakeFace made(wire.Wire(), true);
    if (!made.IsDone()) {
        return false;
    }
    face = made.Face();
    return true;
}

}  // namespace

ProError solidRevolve(const std::vector<ProfileEdge>& loop, const Vec3& axisOrigin,
                      const Vec3& axisDirection, double fromAngle, double toAngle, int* id) {
    return detail::guarded([&]() -> ProError {
        double total = fromAngle + toAngle;
        double length =
            std::sqrt(axisDirection[0] * axisDirection[0] + axisDirection[1] * axisDirection[1] +
                      axisDirection[2] * axisDirection[2]);
        if (id == nullptr || !detail::finite(axisOrigin) || !detail::finite(axisDirection) ||
            !std::isfinite(fromAngle) || !std::isfinite(toAngle) || !(total > 0.0) ||
            !(length > 0.0)) {
            return PRO_TK_BAD_INPUTS;
        }
        TopoDS_Face face;
        if (!faceOf(loop, face)) {
            return PRO_TK_BAD_INPUTS;
        }
        gp_Ax1 axis(pointOf(axisOrigin),
                    gp_Dir(axisDirection[0], axisDirection[1], axisDirection[2]));
        TopoDS_Shape start = face;
        if (fromAngle != 0.0 && total < kTwoPi) {
            gp_Trsf back;
            back.SetRotation(axis, -fromAngle);
            start = BRepBuilderAPI_Transform(face, back, true).Shape();
        }
        BRepPrimAPI_MakeRevol revol = total >= kTwoPi ? BRepPrimAPI_MakeRevol(start, axis)
                                                      : BRepPrimAPI_MakeRevol(start, axis, total);
        if (!revol.IsDone() || !detail::hasSolid(revol.Shape())) {
            return PRO_TK_GENERAL_ERROR;
        }
        // The sweep's orientation follows the profile's sense: a clockwise profile
        // gives the solid inside out, which the host turns right.
        TopoDS_Shape solid = revol.Shape();
        if (detail::volumeOf(solid) < 0.0) {
            solid.Reverse();
        }
        return detail::keep(solid, id);
    });
}

ProError solidsUnionVolume(const std::vector<PlacedSolid>& solids, double* volume) {
    return detail::guarded([&]() -> ProError {
        if (volume == nullptr) {
            return PRO_TK_BAD_INPUTS;
        }
        TopoDS_Shape together;
        bool first = true;
        for (const PlacedSolid& solid : solids) {
            TopoDS_Shape shape;
            if (!detail::placed(solid, gp_Trsf(), shape)) {
                return PRO_TK_BAD_INPUTS;
            }
            if (first) {
                together = shape;
                first = false;
                continue;
            }
            BRepAlgoAPI_Fuse fuse(together, shape);
            if (!fuse.IsDone()) {
                return PRO_TK_GENERAL_ERROR;
            }
            together = fuse.Shape();
        }
        *volume = first ? 0.0 : detail::volumeOf(together);
        return PRO_TK_NO_ERROR;
    });
}

}  // namespace simhost::geometry

#else

#include "simhost/geometry/kernel_revolve.h"

namespace simhost::geometry {

ProError solidRevolve(const std::vector<ProfileEdge>&, const Vec3&, const Vec3&, double, double,
                      int*) {
    return kKernelNotAvailable;
}

ProError solidsUnionVolume(const std::vector<PlacedSolid>&, double*) {
    return kKernelNotAvailable;
}

}  // namespace simhost::geometry

#endif
