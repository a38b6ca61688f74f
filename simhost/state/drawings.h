// Drawings (type 4) and drawing formats (type 33): their sheets, and a drawing's general
// views, kept with the model and saved in its file (docs/model-files.md).
//
// Coordinates: drawing coordinates are the sheet's, in millimetres, origin at the sheet's
// lower left corner. Screen coordinates are those the window shows the sheet in; the
// sheet's `screenToDrawing` takes them to drawing coordinates. A view shows its solid by
// `orientation` (rows: the view's axes in model coordinates) at `scale`: the model point
// `modelCentre` lands on `position`.
//
// A view has a serial number that no other view of the process gets; its handle is that
// number, resolved only among the drawing's own views.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "simhost/geometry/placement.h"
#include "simhost/state/models.h"

namespace simhost::state {

struct DrawingSheet {
    std::string size = "A4";  // the size's name, upper case
    double width = 297.0;     // mm
    double height = 210.0;
    // Screen to drawing coordinates; the default is set when the sheet is made.
    geometry::Placement screenToDrawing;
    // Name (upper case) and sheet of the format placed on this sheet; empty: none.
    std::string format;
    int formatSheet = 0;
};

// The display record of a view, as ProDrawingViewDisplay holds it.
struct ViewDisplay {
    int style = 0;  // PRO_DISPSTYLE_DEFAULT
    int quiltHlr = 0;
    int tangentEdges = 10;  // PRO_TANEDGE_DEFAULT
    int cable = 20;         // PRO_CABLEDISP_DEFAULT
    int conceptModel = 0;
    int weldXsec = 0;
};

struct DrawingView {
    std::uintptr_t serial = 0;
    int sheet = 1;
    // The solid shown: its model's name (upper case) and type, so that the view outlives
    // an erase of the solid and finds it again after a reload.
    std::string solidName;
    int solidType = kPart;
    bool exploded = false;
    geometry::Vec3 position{0.0, 0.0, 0.0};  // drawing coordinates
    double scale = 1.0;
    geometry::Placement orientation;            // rotation only
    geometry::Vec3 modelCentre{0.0, 0.0, 0.0};  // model coordinates
    ViewDisplay display;
};

struct DrawingState {
    std::vector<DrawingSheet> sheets;  // sheet n at index n - 1
    std::vector<DrawingView> views;    // in the order made
};

inline DrawingState& drawingState(Model& model) {
    return model.content<DrawingState>();
}

// A new serial number for a drawing view.
std::uintptr_t drawingViewSerialNext();
// The drawing's view of that handle, or null.
DrawingView* drawingViewByHandle(DrawingState& drawing, const void* handle);

// The model point p in the view, in drawing coordinates:
// position + scale * (orientation rows · (p - modelCentre)).
geometry::Vec3 viewPointToDrawing(const DrawingView& view, const geometry::Vec3& p);
// The same transform as a placement (the axes scaled).
geometry::Placement viewToDrawing(const DrawingView& view);

}  // namespace simhost::state
