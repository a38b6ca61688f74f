// General views: the solid's centre in the view and the default scale.
#include "simhost/state/drawing_views.h"

#include <cmath>
#include <vector>

#include "simhost/state/placed_solids.h"

namespace simhost::state {

namespace {

constexpr double kSheetShare = 0.5;
constexpr int kSmallestExponent = -6;  // the smallest scale is 2e-7

// The solid's box along the view's axes; false when there is nothing to measure (no
// solids, or no kernel to measure them).
ProError viewBox(Session& session, Model& solid, const geometry::Placement& orientation,
                 geometry::Box3& box, bool& found) {
    found = false;
    if (!geometry::kernelAvailable()) {
        return PRO_TK_NO_ERROR;
    }
    const std::vector<geometry::PlacedSolid> solids =
        modelSolidsPlaced(session, solid, geometry::Placement{});
    if (solids.empty()) {
        return PRO_TK_NO_ERROR;
    }
    geometry::Placement frame = orientation;
    frame.origin = {0.0, 0.0, 0.0};
    ProError rc = geometry::solidsBoundingBox(solids, frame, &box);
    found = rc == PRO_TK_NO_ERROR;
    return rc;
}

}  // namespace

double defaultViewScale(double width, double height, const DrawingSheet& sheet) {
    for (int exponent = 1; exponent >= kSmallestExponent; --exponent) {
        const double decade = std::pow(10.0, exponent);
        for (double step : {1.0, 0.5, 0.2}) {
            const double scale = step * decade;
            if (width * scale <= kSheetShare * sheet.width &&
                height * scale <= kSheetShare * sheet.height) {
                return scale;
            }
        }
    }
    return 0.2 * std::pow(10.0, kSmallestExponent);
}

ProError generalViewAdd(Session& session, Model& drawing, const GeneralViewRequest& request,
                        DrawingView** out) {
    DrawingState& state = drawingState(drawing);
    DrawingSheet* sheet = drawingSheet(state, request.sheet);
    if (sheet == nullptr || request.solid == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    geometry::Box3 box;
    bool measured = false;
    if (ProError rc = viewBox(session, *request.solid, request.orientation, box, measured)) {
        return rc;
    }
    DrawingView view;
    view.serial = drawingViewSerialNext();
    view.sheet = request.sheet;
    view.solidName = request.solid->name;
    view.solidType = request.solid->type;
    // A part has nothing to explode: its view is an ordinary one.
    view.exploded = request.exploded && request.solid->type == kAssembly;
    view.position = request.position;
    view.orientation = request.orientation;
    view.orientation.origin = {0.0, 0.0, 0.0};
    view.scale = request.scale;
    if (measured) {
        geometry::Vec3 centre;
        for (std::size_t k = 0; k < 3; ++k) {
            centre[k] = (box.min[k] + box.max[k]) / 2.0;
        }
        view.modelCentre = geometry::placeDirection(view.orientation, centre);
        if (view.scale == 0.0) {
            view.scale = defaultViewScale(box.max[0] - box.min[0], box.max[1] - box.min[1], *sheet);
        }
    } else if (view.scale == 0.0) {
        view.scale = 1.0;
    }
    state.views.push_back(view);
    drawing.touch();
    if (out != nullptr) {
        *out = &state.views.back();
    }
    return PRO_TK_NO_ERROR;
}

}  // namespace simhost::state
