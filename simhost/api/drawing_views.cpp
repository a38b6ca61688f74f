// Drawing views: general views made, deleted and read, their display record, and the
// solids a drawing shows.
#include <ProArray.h>
#include <ProDrawing.h>

#include <algorithm>
#include <string>
#include <unordered_set>
#include <vector>

#include "simhost/api/drawing_args.h"
#include "simhost/api/enum_args.h"
#include "simhost/core/arrays.h"
#include "simhost/core/entry.h"
#include "simhost/state/drawing_views.h"
#include "simhost/state/views.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::booleanValid;
using simhost::api::drawingOf;
using simhost::api::handleArg;
using simhost::api::matrixFinite;
using simhost::api::modelOf;
using simhost::api::plainInt;
using simhost::api::rowsOf;
using simhost::api::viewArg;
using simhost::api::viewHandle;
namespace geometry = simhost::geometry;

namespace {

// The rotation in rows 0 to 2 of a matrix; false when they are no rotation or a number
// of the matrix is not finite.
bool orientationOf(const ProMatrix matrix, geometry::Placement& out) {
    if (!matrixFinite(matrix)) {
        return false;
    }
    out = geometry::Placement{};
    for (std::size_t k = 0; k < 3; ++k) {
        out.x[k] = matrix[0][k];
        out.y[k] = matrix[1][k];
        out.z[k] = matrix[2][k];
    }
    return viewOrientationValid(out);
}

// The inverse of an affine transform; false when it has none.
bool inverseOf(const geometry::Placement& t, geometry::Placement& out) {
    // Columns a = x, b = y, c = z: the inverse's rows are the cross products over det.
    auto cross = [](const geometry::Vec3& u, const geometry::Vec3& v) {
        return geometry::Vec3{u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                              u[0] * v[1] - u[1] * v[0]};
    };
    auto dot = [](const geometry::Vec3& u, const geometry::Vec3& v) {
        return u[0] * v[0] + u[1] * v[1] + u[2] * v[2];
    };
    const double det = dot(t.x, cross(t.y, t.z));
    if (det == 0.0 || !std::isfinite(1.0 / det)) {
        return false;
    }
    const geometry::Vec3 rows[3] = {cross(t.y, t.z), cross(t.z, t.x), cross(t.x, t.y)};
    geometry::Placement inv;
    for (std::size_t r = 0; r < 3; ++r) {
        inv.x[r] = rows[r][0] / det;
        inv.y[r] = rows[r][1] / det;
        inv.z[r] = rows[r][2] / det;
    }
    const geometry::Vec3 moved = geometry::placeDirection(inv, t.origin);
    inv.origin = {-moved[0], -moved[1], -moved[2]};
    for (const geometry::Vec3* v : {&inv.x, &inv.y, &inv.z, &inv.origin}) {
        for (double value : *v) {
            if (!std::isfinite(value)) {
                return false;
            }
        }
    }
    out = inv;
    return true;
}

bool displayValid(const ProDrawingViewDisplay& d) {
    const int style = plainInt(d.style);
    const int tangent = plainInt(d.tangent_edge_display);
    const int cable = plainInt(d.cable_display);
    return style >= PRO_DISPSTYLE_DEFAULT && style <= PRO_DISPSTYLE_SHADED_WITH_EDGES &&
           tangent >= PRO_TANEDGE_DEFAULT && tangent <= PRO_TANEDGE_SOLID &&
           cable >= PRO_CABLEDISP_DEFAULT && cable <= PRO_CABLEDISP_THICK &&
           booleanValid(d.quilt_hlr) && booleanValid(d.concept_model) && booleanValid(d.weld_xsec);
}

// The drawing's view of a handle, with the drawing; null when either is unknown.
DrawingView* viewOf(Session* s, ProDrawing drawing, ProView view, Model** owner = nullptr) {
    Model* m = drawingOf(s, drawing);
    if (m == nullptr) {
        return nullptr;
    }
    if (owner != nullptr) {
        *owner = m;
    }
    return drawingViewByHandle(drawingState(*m), view);
}

}  // namespace

extern "C" {

ProError ProDrawingGeneralviewCreate(ProDrawing drawing, ProSolid solid, int sheet_number,
                                     ProBoolean exploded, ProPoint3d position, double scale,
                                     ProMatrix orientation, ProView* view) try {
    SIMHOST_ENTER("ProDrawingGeneralviewCreate", handleArg(drawing), handleArg(solid),
                  std::to_string(sheet_number));
    SIMHOST_SESSION(s);
    Model* m = drawingOf(s, drawing);
    Model* shown = modelOf(s, solid);
    GeneralViewRequest request;
    DrawingSheet* sheet = m == nullptr ? nullptr : drawingSheet(drawingState(*m), sheet_number);
    if (sheet == nullptr || shown == nullptr ||
        (shown->type != kPart && shown->type != kAssembly) || !booleanValid(exploded) ||
        position == nullptr || orientation == nullptr || view == nullptr || !std::isfinite(scale) ||
        scale < 0.0 || !orientationOf(orientation, request.orientation)) {
        return PRO_TK_BAD_INPUTS;
    }
    const geometry::Vec3 screen{position[0], position[1], position[2]};
    if (!std::all_of(screen.begin(), screen.end(), [](double v) { return std::isfinite(v); })) {
        return PRO_TK_BAD_INPUTS;
    }
    request.solid = shown;
    request.sheet = sheet_number;
    request.exploded = plainInt(exploded) == PRO_B_TRUE;
    request.position = geometry::placePoint(sheet->screenToDrawing, screen);
    request.scale = scale;
    DrawingView* made = nullptr;
    if (ProError rc = generalViewAdd(*s, *m, request, &made)) {
        return rc;
    }
    *view = viewHandle(*made);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProDrawingViewTransformGet(ProDrawing drawing, ProView view, ProBoolean view_to_drawing,
                                    ProMatrix transform) try {
    SIMHOST_ENTER("ProDrawingViewTransformGet", handleArg(drawing), viewArg(view),
                  std::to_string(plainInt(view_to_drawing)));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    DrawingView* v = viewOf(s, drawing, view, &m);
    if (v == nullptr || transform == nullptr || !booleanValid(view_to_drawing)) {
        return PRO_TK_BAD_INPUTS;
    }
    geometry::Placement t = viewToDrawing(*v);
    if (plainInt(view_to_drawing) == PRO_B_FALSE) {
        geometry::Placement drawingToScreen;
        DrawingSheet* sheet = drawingSheet(drawingState(*m), v->sheet);
        if (sheet == nullptr || !inverseOf(sheet->screenToDrawing, drawingToScreen)) {
            // Screen coordinates are not to be had through a singular sheet transform.
            return PRO_TK_BAD_CONTEXT;
        }
        t = geometry::compose(drawingToScreen, t);
    }
    rowsOf(t, transform);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProDrawingViewDelete(ProDrawing drawing, ProView view, ProBoolean delete_children) try {
    SIMHOST_ENTER("ProDrawingViewDelete", handleArg(drawing), viewArg(view));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    DrawingView* v = viewOf(s, drawing, view, &m);
    if (v == nullptr || !booleanValid(delete_children)) {
        return PRO_TK_BAD_INPUTS;
    }
    // General views have no child views here: the flag changes nothing.
    std::vector<DrawingView>& views = drawingState(*m).views;
    views.erase(views.begin() + (v - views.data()));
    m->touch();
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProDrawingViewDisplayGet(ProDrawing drawing, ProView view,
                                  ProDrawingViewDisplay* display_status) try {
    SIMHOST_ENTER("ProDrawingViewDisplayGet", handleArg(drawing), viewArg(view));
    SIMHOST_SESSION(s);
    DrawingView* v = viewOf(s, drawing, view);
    if (v == nullptr || display_status == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    const ViewDisplay& d = v->display;
    display_status->style = static_cast<ProDisplayStyle>(d.style);
    display_status->quilt_hlr = static_cast<ProBoolean>(d.quiltHlr);
    display_status->tangent_edge_display = static_cast<ProTanedgeDisplay>(d.tangentEdges);
    display_status->cable_display = static_cast<ProCableDisplay>(d.cable);
    display_status->concept_model = static_cast<ProBoolean>(d.conceptModel);
    display_status->weld_xsec = static_cast<ProBoolean>(d.weldXsec);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProDrawingViewDisplaySet(ProDrawing drawing, ProView view,
                                  ProDrawingViewDisplay* display_status) try {
    SIMHOST_ENTER("ProDrawingViewDisplaySet", handleArg(drawing), viewArg(view));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    DrawingView* v = viewOf(s, drawing, view, &m);
    if (v == nullptr || display_status == nullptr || !displayValid(*display_status)) {
        return PRO_TK_BAD_INPUTS;
    }
    ViewDisplay& d = v->display;
    d.style = plainInt(display_status->style);
    d.quiltHlr = plainInt(display_status->quilt_hlr);
    d.tangentEdges = plainInt(display_status->tangent_edge_display);
    d.cable = plainInt(display_status->cable_display);
    d.conceptModel = plainInt(display_status->concept_model);
    d.weldXsec = plainInt(display_status->weld_xsec);
    m->touch();
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProDrawingSolidsCollect(ProDrawing drawing, ProSolid** solids) try {
    SIMHOST_ENTER("ProDrawingSolidsCollect", handleArg(drawing));
    SIMHOST_SESSION(s);
    Model* m = drawingOf(s, drawing);
    if (m == nullptr || solids == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    // The solids in session, in the order the views first show them; a view's solid
    // that is not in session is left out.
    std::vector<ProSolid> shown;
    std::unordered_set<int> seen;
    ModelStore& store = s->area<ModelStore>();
    for (const DrawingView& view : drawingState(*m).views) {
        Model* solid = store.byName(view.solidName, view.solidType);
        if (solid != nullptr && seen.insert(solid->id).second) {
            shown.push_back(static_cast<ProSolid>(modelHandle(solid->id)));
        }
    }
    if (shown.empty()) {
        return PRO_TK_E_NOT_FOUND;
    }
    *solids = arrayOf(shown.data(), static_cast<int>(shown.size()));
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
