// Drawings (type 4) and drawing formats (type 33): their sheets, and a drawing's general
// views, kept with the model and saved in its file (docs/model-files.md).
//
// Every drawing and format has at least one sheet: a file that lists none gets one A4
// sheet. A sheet's screen transform is set when the sheet is made (defaultScreenToDrawing)
// and may be any finite matrix, even a singular one (the test kit can set it).
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
#include <deque>
#include <string>
#include <vector>

#include "simhost/geometry/placement.h"
#include "simhost/state/models.h"

// One error of a template's application, as the caller's error record points to it.
struct dwg_template_error {
    std::string text;
};

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

// A view a drawing template asks for: the model's saved view `view` as a general view on
// `sheet`, centred at `position` (drawing coordinates), at `scale` (0: the default).
struct TemplateView {
    std::string view;  // upper case
    int sheet = 1;
    geometry::Vec3 position{0.0, 0.0, 0.0};
    double scale = 0.0;
};

struct DrawingState {
    std::vector<DrawingSheet> sheets;         // sheet n at index n - 1
    std::vector<DrawingView> views;           // in the order made
    std::vector<TemplateView> templateViews;  // what the drawing asks of drawings made from it
    // What could not be applied when the drawing was made from a template, and the
    // record the caller is given: the errors' addresses, then null. Kept with the drawing
    // in session (not in its file), so that the caller never frees it.
    std::deque<dwg_template_error> createErrors;
    std::vector<dwg_template_error*> createErrorRecord;
};

// A model was renamed in session: the drawing's views of it and its sheets' format
// follow it to its new name.
void drawingModelRenamed(Model& drawing, const std::string& oldName, int type,
                         const std::string& newName);

// Notes what could not be applied of a template; the record follows.
void drawingCreateErrorAdd(DrawingState& drawing, std::string text);

// Named sheet sizes: A4 to A0 (ISO) and A to E (ANSI), landscape, in millimetres.
struct SheetSize {
    const char* name;
    double width;
    double height;
};
// The size of that name (any case), or null.
const SheetSize* sheetSizeFind(const std::string& name);
// The default screen transform of a sheet: screen units are points (1/72 inch) with the
// origin at the sheet's centre, so drawing = screen * 25.4 / 72 + (width / 2, height / 2),
// z likewise scaled.
geometry::Placement defaultScreenToDrawing(double width, double height);
// A sheet of that size, without format, with the default screen transform.
DrawingSheet sheetMake(const SheetSize& size);
// The sheet `number` (from 1) of the drawing, or null.
DrawingSheet* drawingSheet(DrawingState& drawing, int number);

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
