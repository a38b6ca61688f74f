// The three fixed DXF procedures: a drawing of a model made from a template, with one
// general view oriented by a saved view of the model, written as a DXF file.
#include <ProAsmcomppath.h>
#include <ProDrawing.h>
#include <ProUtil.h>
#include <ProView.h>

#include <cwchar>

#include "drawing/drw.h"
#include "drawing/drw_names.h"
#include "kelt2proe/error.h"

namespace Ardo {

namespace {

constexpr const char* kCreateText = "ProDrawingFromTmpltCreate";

}  // namespace

// The host calls after the drawing's display only record their results in `status`; the
// template creation (procedures 1 and 2), the sheet transform's inversion, the display
// switches and the erase raise.
void Drw::dxfProcedure(const char* drawingName, const char* templ, Solid& model, bool secondView) {
    drawing::TemplateNames names(drawingName, templ, kCreateText);
    ProModel record = drawing::modelRecord(model);
    ProDrawing created = nullptr;
    const ProError made = drawing::createFromTemplate(names, record, &created);
    if (secondView) {
        status = made;  // only recorded; an unmade drawing fails in Display below
    } else {
        check(made, kCreateText);
    }
    handle = created;
    Display();

    ProMatrix inverse = {};
    sheetInverse(inverse, nullptr);
    ProPoint3d origin = {};
    ProPoint3d atOrigin = {};
    status = ProPntTrfEval(origin, inverse, atOrigin);

    ProLine viewName = L"FASYS";
    ProView saved = nullptr;
    status = ProViewNameToView(model.handle, viewName, &saved);
    // A matrix the host does not give leaves the view unturned.
    ProMatrix orientation = {
        {1.0, 0.0, 0.0, 0.0}, {0.0, 1.0, 0.0, 0.0}, {0.0, 0.0, 1.0, 0.0}, {0.0, 0.0, 0.0, 1.0}};
    status = ProViewMatrixGet(model.handle, saved, orientation);
    if (!secondView) {
        Matrix rotation(orientation);
        ~rotation;
        rotation.Normalize().Get4X4ProE(orientation);
    }
    PlacedView placed =
        placeView(model, 1, false, atOrigin, 0.0, orientation, origin, inverse, nullptr);
    if (secondView) {
        ProPoint3d aside = {100.0, 100.0, 0.0};
        ProPoint3d shifted = {};
        status = ProPntTrfEval(aside, inverse, shifted);
        ProPoint3d position = {};
        for (int k = 0; k < 3; ++k) {
            position[k] = shifted[k] + placed.position[k];
        }
        placed.view = nullptr;
        status = ProDrawingGeneralviewCreate(static_cast<ProDrawing>(handle),
                                             static_cast<ProSolid>(model.handle), 1, PRO_B_FALSE,
                                             position, 0.0, orientation, &placed.view);
    }

    ProDrawingViewDisplay display = {};
    status = ProDrawingViewDisplayGet(static_cast<ProDrawing>(handle), placed.view, &display);
    display.style = PRO_DISPSTYLE_WIREFRAME;
    display.tangent_edge_display = PRO_TANEDGE_NONE;
    status = ProDrawingViewDisplaySet(static_cast<ProDrawing>(handle), placed.view, &display);

    DispModeAxis(false);
    DispModeCsys(false);
    DispModePlane(false);
    DispModePoint(false);

    ProFileName file = {};
    std::swprintf(file, PRO_FILE_NAME_SIZE, L"%ls.DXF", names.wideName);
    status = ProOutputFileWrite(handle, file, PRO_DXF_FILE, nullptr, nullptr, nullptr, nullptr);
    Erase();
}

void Drw::TestDXF(const char* drawingName, const char* templ, Solid& model) {
    dxfProcedure(drawingName, templ, model, false);
}

void Drw::TestDXF3(const char* drawingName, const char* templ, Solid& model) {
    dxfProcedure(drawingName, templ, model, true);
}

void Drw::TestDXF2(const char* drawingName, const char* templ, Solid& model) {
    CreateFromTemplate(drawingName, templ, model);
    Display();
    const Matrix frame = model.CsysGetTransform("M_0");
    const Vector modelPoint(frame.TransGetX(), frame.TransGetY(), frame.TransGetZ());
    const Matrix orientation = model.ViewMatrixGet("ZRV");
    GeneralviewCreate(model, 1, false, Vector(100.0, -200.0, 0.0), 0.0, orientation, modelPoint);
    DxfOut(drawingName);
}

}  // namespace Ardo
