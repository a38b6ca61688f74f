// General views placed on a drawing's sheet, and the drawing written as DXF.
#include <ProAsmcomppath.h>
#include <ProDrawing.h>
#include <ProUtil.h>

#include "base/length_check.h"
#include "base/text.h"
#include "drawing/drw.h"
#include "kelt2proe/error.h"

namespace Ardo {

namespace {

// DxfOut's names: fewer than 40 characters, so that the host's file-name buffer holds
// them.
constexpr std::size_t kMaxDxfName = 39;

ProDrawing drawingOf(ProMdl handle) {
    return static_cast<ProDrawing>(handle);
}

}  // namespace

void Drw::step(int code, const char* text) {
    if (text != nullptr) {
        check(code, text);
    } else {
        status = code;
    }
}

void Drw::sheetInverse(ProMatrix inverse, const char* text) {
    ProName size = {};
    ProMatrix transform = {};
    step(ProDrawingSheetTrfGet(drawingOf(handle), 1, size, transform), text);
    // The host's layout is the transpose of the library's.
    Matrix screenToDrawing(transform);
    ~screenToDrawing;
    screenToDrawing.Inverse().Get4X4ProE(inverse);
}

Drw::PlacedView Drw::placeView(Solid& model, int sheet, bool exploded, const ProPoint3d position,
                               double scale, ProMatrix orientation, const ProPoint3d modelPoint,
                               ProMatrix inverse, const char* text) {
    ProDrawing drawing = drawingOf(handle);
    ProSolid solid = static_cast<ProSolid>(model.handle);
    const ProBoolean explodedFlag = exploded ? PRO_B_TRUE : PRO_B_FALSE;
    ProPoint3d at = {position[0], position[1], position[2]};
    ProView trial = nullptr;
    step(ProDrawingGeneralviewCreate(drawing, solid, sheet, explodedFlag, at, scale, orientation,
                                     &trial),
         text);
    ProMatrix viewToScreen = {};
    step(ProDrawingViewTransformGet(drawing, trial, PRO_B_FALSE, viewToScreen), text);
    step(ProDrawingViewDelete(drawing, trial, PRO_B_TRUE), text);
    // Where the trial view showed the model point, brought back to screen coordinates.
    ProPoint3d point = {modelPoint[0], modelPoint[1], modelPoint[2]};
    ProPoint3d shown = {};
    ProPoint3d turned = {};
    ProPoint3d offset = {};
    step(ProPntTrfEval(point, viewToScreen, shown), text);
    step(ProPntTrfEval(shown, orientation, turned), text);
    step(ProPntTrfEval(turned, inverse, offset), text);
    PlacedView placed;
    for (int k = 0; k < 3; ++k) {
        placed.position[k] = position[k] + offset[k];
    }
    step(ProDrawingGeneralviewCreate(drawing, solid, sheet, explodedFlag, placed.position, scale,
                                     orientation, &placed.view),
         text);
    return placed;
}

ProView Drw::GeneralviewCreate(Solid& model, int sheet, bool exploded, const Vector& position,
                               double scale, const Matrix& orientation, const Vector& modelPoint) {
    constexpr const char* kText = "Ardo::Drw::GeneralviewCreate";
    requireHandle(kText);
    WindowGet();
    ProMatrix inverse = {};
    sheetInverse(inverse, kText);
    ProPoint3d requested = {position.x, position.y, position.z};
    ProPoint3d onScreen = {};
    check(ProPntTrfEval(requested, inverse, onScreen), kText);
    ProMatrix hostOrientation = {};
    orientation.Get4X4ProE(hostOrientation);
    const ProPoint3d point = {modelPoint.x, modelPoint.y, modelPoint.z};
    return placeView(model, sheet, exploded, onScreen, scale, hostOrientation, point, inverse,
                     kText)
        .view;
}

void Drw::DxfOut(const char* file) {
    constexpr const char* kText = "Ardo::Drw::DxfOut";
    requireHandle(kText);
    refuseLongerThan(file, kMaxDxfName, PRO_TK_GENERAL_ERROR, kText);
    ProFileName wide = {};
    text::widenBounded(wide, file);
    check(ProOutputFileWrite(handle, wide, PRO_DXF_FILE, nullptr, nullptr, nullptr, nullptr),
          kText);
}

}  // namespace Ardo
