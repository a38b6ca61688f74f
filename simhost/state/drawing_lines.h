// What a drawing's sheets show, as lines in each sheet's coordinates (millimetres, origin at
// the lower left corner): the sheet's border and the edges of every view's solid, as the
// view's display record asks (docs/interface-files.md, "DXF of drawings").
#pragma once

#include <vector>

#include <ProToolkit.h>

#include "simhost/geometry/kernel.h"
#include "simhost/state/drawings.h"
#include "simhost/state/models.h"
#include "simhost/state/sessions.h"

namespace simhost::state {

struct SheetLines {
    double width = 0.0;
    double height = 0.0;
    std::vector<geometry::ViewPolyline> border;   // the sheet's rectangle, closed
    std::vector<geometry::ViewPolyline> visible;  // every view's visible edges
    std::vector<geometry::ViewPolyline> hidden;   // hidden edges of views that show them dashed
};

// The lines of every sheet of `drawing`, sheet n at index n - 1. A view whose solid is not
// in session answers PRO_TK_E_NOT_FOUND (a file without it would show less than the
// drawing); the kernel's codes pass on.
ProError drawingSheetLines(Session& session, Model& drawing, std::vector<SheetLines>& sheets);

}  // namespace simhost::state
