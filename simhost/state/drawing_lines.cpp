// The lines of a drawing's sheets: borders and the views' edges with hidden lines removed.
#include "simhost/state/drawing_lines.h"

#include <ProDrawing.h>

#include "simhost/state/placed_solids.h"

namespace simhost::state {

namespace {

geometry::ViewPolyline rectangle(double width, double height) {
    return {{0.0, 0.0}, {width, 0.0}, {width, height}, {0.0, height}, {0.0, 0.0}};
}

// View coordinates (u, v) to drawing coordinates: the view's transform restricted to the
// plane, d = position + scale * ((u, v) - the model centre in view coordinates).
void toDrawing(const DrawingView& view, std::vector<geometry::ViewPolyline>& lines) {
    const geometry::Placement& r = view.orientation;
    const geometry::Vec3& c = view.modelCentre;
    const double cu = r.x[0] * c[0] + r.x[1] * c[1] + r.x[2] * c[2];
    const double cv = r.y[0] * c[0] + r.y[1] * c[1] + r.y[2] * c[2];
    for (geometry::ViewPolyline& line : lines) {
        for (auto& p : line) {
            p = {view.position[0] + view.scale * (p[0] - cu),
                 view.position[1] + view.scale * (p[1] - cv)};
        }
    }
}

void append(std::vector<geometry::ViewPolyline>& to, std::vector<geometry::ViewPolyline>&& from) {
    to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

ProError viewLines(Session& session, const DrawingView& view, SheetLines& sheet) {
    Model* solid = session.area<ModelStore>().byName(view.solidName, view.solidType);
    if (solid == nullptr) {
        return PRO_TK_E_NOT_FOUND;
    }
    const std::vector<geometry::PlacedSolid> solids =
        modelSolidsPlaced(session, *solid, geometry::Placement{});
    if (solids.empty()) {
        return modelDeclaresSolids(session, *solid) ? geometry::kKernelNotAvailable
                                                    : PRO_TK_NO_ERROR;
    }
    const int style = view.display.style;
    const bool withHidden = style == PRO_DISPSTYLE_WIREFRAME || style == PRO_DISPSTYLE_HIDDEN_LINE;
    const bool smooth = view.display.tangentEdges != PRO_TANEDGE_NONE;
    geometry::ViewLines lines;
    if (ProError rc = geometry::solidsHiddenLinesRemoved(solids, view.orientation, smooth,
                                                         withHidden, &lines)) {
        return rc;
    }
    toDrawing(view, lines.visible);
    toDrawing(view, lines.hidden);
    append(sheet.visible, std::move(lines.visible));
    // A wireframe shows the hidden edges as it shows the others.
    append(style == PRO_DISPSTYLE_WIREFRAME ? sheet.visible : sheet.hidden,
           std::move(lines.hidden));
    return PRO_TK_NO_ERROR;
}

}  // namespace

ProError drawingSheetLines(Session& session, Model& drawing, std::vector<SheetLines>& sheets) {
    DrawingState& state = drawingState(drawing);
    std::vector<SheetLines> out;
    for (const DrawingSheet& sheet : state.sheets) {
        SheetLines lines;
        lines.width = sheet.width;
        lines.height = sheet.height;
        lines.border.push_back(rectangle(sheet.width, sheet.height));
        out.push_back(std::move(lines));
    }
    for (const DrawingView& view : state.views) {
        if (view.sheet < 1 || view.sheet > static_cast<int>(out.size())) {
            continue;  // a view of a deleted sheet shows nowhere
        }
        if (ProError rc = viewLines(session, view, out[view.sheet - 1])) {
            return rc;
        }
    }
    sheets = std::move(out);
    return PRO_TK_NO_ERROR;
}

}  // namespace simhost::state
