// General views placed on a drawing's sheet: where the solid's centre is and the scale
// the host takes when the caller leaves it to the host.
#pragma once

#include <ProToolkit.h>

#include "simhost/state/drawings.h"
#include "simhost/state/sessions.h"

namespace simhost::state {

struct GeneralViewRequest {
    Model* solid = nullptr;  // a part or an assembly in session
    int sheet = 1;
    bool exploded = false;
    geometry::Vec3 position{0.0, 0.0, 0.0};  // drawing coordinates
    double scale = 0.0;                      // 0: the default scale
    geometry::Placement orientation;         // a rotation
};

// Adds a general view of the request's solid to the drawing. The model point shown at
// `position` is the centre of the solid's box as the view sees it (its extent along the
// view's axes); a solid without solids, or a build without the geometry kernel, has the
// model origin there and default scale 1. PRO_TK_BAD_INPUTS for a sheet the drawing
// lacks; a failure of the kernel passes on.
ProError generalViewAdd(Session& session, Model& drawing, const GeneralViewRequest& request,
                        DrawingView** out);

// The default scale of a view whose outline is width x height (model units, taken as
// millimetres on the sheet): the largest of 10, 5, 2, 1, 0.5, 0.2, 0.1, ... 2e-7 at which
// the outline fits into half the sheet's width and half its height; 2e-7 when none does.
double defaultViewScale(double width, double height, const DrawingSheet& sheet);

}  // namespace simhost::state
