// Hidden-line removal: the lines a drawing of placed solids shows in an orthographic view,
// the visible ones and, when asked, the hidden ones. Part of the kernel module (kernel.h).
#ifdef SIMHOST_HAVE_KERNEL

#include <BRepAdaptor_Curve.hxx>
#include <BRepLib.hxx>
#include <BRep_Tool.hxx>
#include <GCPnts_TangentialDeflection.hxx>
#include <HLRAlgo_Projector.hxx>
#include <HLRBRep_Algo.hxx>
#include <HLRBRep_HLRToShape.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_IndexedMapOfShape.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Edge.hxx>
#include <gp_Ax2.hxx>

#include "simhost/geometry/kernel.h"
#include "simhost/geometry/kernel_internal.h"
#include "simhost/geometry/line_cover.h"

namespace simhost::geometry {

using namespace detail;

namespace {

// Curved lines are cut into chords that turn by at most this angle (radians), as the
// unhidden projection cuts them: a circle becomes about 63 chords.
constexpr double kAngularDeflection = 0.1;
constexpr double kNoCurvatureBound = 1e30;
// Lines shorter than this (model units) are points.
constexpr double kPointTolerance = 1e-9;
// Hidden lines this close to visible ones (model units) lie along them.
constexpr double kCoverTolerance = 1e-6;
// Faces meeting at less than this angle (radians) meet smoothly.
constexpr double kSmoothAngle = 1e-4;

// True for the chords of an edge seen end-on (a line along the view): nothing to draw.
bool shrunkToAPoint(const GCPnts_TangentialDeflection& cut) {
    const gp_Pnt first = cut.Value(1);
    for (int k = 2; k <= cut.NbPoints(); ++k) {
        if (first.Distance(cut.Value(k)) > kPointTolerance) {
            return false;
        }
    }
    return true;
}

// Appends the edges of one result compound (lines in the projection plane, z = 0) as
// polylines; false when the points would exceed the bound.
bool appendLines(TopoDS_Shape lines, std::size_t& points, std::vector<ViewPolyline>& out) {
    if (lines.IsNull()) {
        return true;
    }
    // The results are edges on the projection plane; their 3D curves are made here.
    BRepLib::BuildCurves3d(lines);
    for (TopExp_Explorer it(lines, TopAbs_EDGE); it.More(); it.Next()) {
        const TopoDS_Edge& edge = TopoDS::Edge(it.Current());
        if (BRep_Tool::Degenerated(edge)) {
            continue;
        }
        BRepAdaptor_Curve curve(edge);
        GCPnts_TangentialDeflection cut(curve, kAngularDeflection, kNoCurvatureBound, 2);
        if (cut.NbPoints() < 2 || shrunkToAPoint(cut)) {
            continue;
        }
        points += static_cast<std::size_t>(cut.NbPoints());
        if (points > kHlrMaxPoints) {
            return false;
        }
        ViewPolyline line;
        line.reserve(static_cast<std::size_t>(cut.NbPoints()));
        for (int k = 1; k <= cut.NbPoints(); ++k) {
            const gp_Pnt p = cut.Value(k);
            line.push_back({p.X(), p.Y()});
        }
        out.push_back(std::move(line));
    }
    return true;
}

}  // namespace

ProError solidsHiddenLinesRemoved(const std::vector<PlacedSolid>& solids, const Placement& view,
                                  bool smooth, bool hidden, ViewLines* lines) {
    if (lines == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *lines = ViewLines{};
    Placement axes = view;
    axes.origin = {0.0, 0.0, 0.0};
    if (!orthonormal(axes, kPlacementTolerance)) {
        return PRO_TK_BAD_INPUTS;
    }
    if (solids.empty()) {
        return PRO_TK_NO_ERROR;
    }
    return guarded([&] {
        TopoDS_Shape all;
        if (!placedCompound(solids, all)) {
            return PRO_TK_BAD_INPUTS;
        }
        // The removal's work grows faster than the number of edges: a hostile model is
        // refused before it starts.
        TopTools_IndexedMapOfShape edges;
        TopExp::MapShapes(all, TopAbs_EDGE, edges);
        if (static_cast<std::size_t>(edges.Extent()) > kHlrMaxEdges) {
            return PRO_TK_BAD_INPUTS;
        }
        // Faces that meet tangentially (as after a Boolean union) are marked so on their
        // edge, which is what tells smooth edges from sharp ones.
        BRepLib::EncodeRegularity(all, kSmoothAngle);
        Handle(HLRBRep_Algo) algo = new HLRBRep_Algo();
        algo->Add(all);
        // The projector's frame: its z the direction towards the viewer, its x the view's.
        const gp_Ax2 frame(gp_Pnt(0.0, 0.0, 0.0), gp_Dir(view.z[0], view.z[1], view.z[2]),
                           gp_Dir(view.x[0], view.x[1], view.x[2]));
        algo->Projector(HLRAlgo_Projector(frame));
        algo->Update();
        algo->Hide();
        HLRBRep_HLRToShape result(algo);
        ViewLines out;
        std::size_t points = 0;
        bool within = appendLines(result.VCompound(), points, out.visible) &&
                      appendLines(result.OutLineVCompound(), points, out.visible) &&
                      (!smooth || appendLines(result.Rg1LineVCompound(), points, out.visible));
        if (within && hidden) {
            within = appendLines(result.HCompound(), points, out.hidden) &&
                     appendLines(result.OutLineHCompound(), points, out.hidden) &&
                     (!smooth || appendLines(result.Rg1LineHCompound(), points, out.hidden));
        }
        if (!within) {
            return PRO_TK_BAD_INPUTS;
        }
        // Edges behind others that the view shows anyway are not hidden lines.
        dropCoveredSegments(out.hidden, out.visible, kCoverTolerance);
        *lines = std::move(out);
        return PRO_TK_NO_ERROR;
    });
}

}  // namespace simhost::geometry

#endif
