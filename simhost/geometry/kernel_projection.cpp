// The edges of placed solids as polylines in the coordinates of a view: what a drawing
// of the solids in that view shows.
#ifdef SIMHOST_HAVE_KERNEL

#include <BRepAdaptor_Curve.hxx>
#include <BRep_Tool.hxx>
#include <GCPnts_TangentialDeflection.hxx>
#include <TopAbs_ShapeEnum.hxx>
#include <TopExp.hxx>
#include <TopTools_IndexedMapOfShape.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Edge.hxx>

#include "simhost/geometry/kernel.h"
#include "simhost/geometry/kernel_internal.h"

namespace simhost::geometry {

namespace {

// Curved edges are cut into chords that turn by at most this angle (radians), whatever
// their size: a circle becomes about 63 chords.
constexpr double kAngularDeflection = 0.1;
// No bound on how far a chord strays from the curve beyond what the angle gives.
constexpr double kNoCurvatureBound = 1e30;

double dot(const Vec3& a, const gp_Pnt& p) {
    return a[0] * p.X() + a[1] * p.Y() + a[2] * p.Z();
}

}  // namespace

ProError solidsEdgesInView(const std::vector<PlacedSolid>& solids, const Placement& view,
                           std::vector<std::vector<Vec3>>* polylines) {
    if (polylines == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    polylines->clear();
    return detail::guarded([&]() -> ProError {
        for (const PlacedSolid& solid : solids) {
            TopoDS_Shape shape;
            if (!detail::placed(solid, gp_Trsf(), shape)) {
                return PRO_TK_BAD_INPUTS;
            }
            TopTools_IndexedMapOfShape edges;
            TopExp::MapShapes(shape, TopAbs_EDGE, edges);
            for (int i = 1; i <= edges.Extent(); ++i) {
                const TopoDS_Edge& edge = TopoDS::Edge(edges(i));
                if (BRep_Tool::Degenerated(edge)) {
                    continue;
                }
                BRepAdaptor_Curve curve(edge);
                GCPnts_TangentialDeflection points(curve, kAngularDeflection, kNoCurvatureBound, 2);
                std::vector<Vec3> line;
                for (int k = 1; k <= points.NbPoints(); ++k) {
                    const gp_Pnt p = points.Value(k);
                    line.push_back({dot(view.x, p), dot(view.y, p), dot(view.z, p)});
                }
                if (line.size() >= 2) {
                    polylines->push_back(std::move(line));
                }
            }
        }
        return PRO_TK_NO_ERROR;
    });
}

}  // namespace simhost::geometry

#endif
