// Ardo::Drw: the implementation object behind kelt2pDrw, a model handle of type 4
// (drawing), with the drawing operations. Every host call made through it stores its
// result in `status`.
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>

#include "kelt2proe/drw.h"
#include "model/mdl.h"
#include "model/solid.h"

namespace Ardo {

class Drw : public Mdl {
public:
    Drw() = default;
    // Bound to `hostHandle`, unnamed.
    explicit Drw(ProMdl hostHandle) : Mdl(hostHandle) {}

    void Load(const char* name);
    // Mdl::Current, then unbound again when the current model is no drawing.
    void Current();
    int SheetsCount();
    const char* FormatGet(int sheet, bool mustExist);
    void FormatAdd(Mdl& format, int sheet, int formatSheet);
    // `name` and `templ` over 31 characters are refused with -6 before any host call.
    void CreateFromTemplate(const char* name, const char* templ, Solid& model);
    void WritePDF(const char* file);
    // Fills the process-wide drawing-model list.
    int GetMdls();
    // Entry i of that list.
    static const Solid& GetMdls(int i);
    void TestDXF(const char* name, const char* templ, Solid& model);
    void TestDXF2(const char* name, const char* templ, Solid& model);
    void TestDXF3(const char* name, const char* templ, Solid& model);

    // A general view of `model` on `sheet` at `position` (drawing coordinates) with the
    // orientation `orientation`, moved so that `modelPoint` lands where a trial view
    // put it; returns the view.
    ProView GeneralviewCreate(Solid& model, int sheet, bool exploded, const Vector& position,
                              double scale, const Matrix& orientation, const Vector& modelPoint);
    // Writes the drawing as the DXF file `name` (fewer than 40 characters).
    void DxfOut(const char* name);

private:
    // A view made by placeView and its position, screen coordinates.
    struct PlacedView {
        ProView view = nullptr;
        ProPoint3d position = {};
    };

    // Stores `code` in status; raises (code, text) for a failure when `text` is given,
    // else the code is only recorded.
    void step(int code, const char* text);
    // The inverse of sheet 1's screen-to-drawing transform, in the host's layout. A
    // singular transform raises (-1, "keine inverse MAtrix moeglich").
    void sheetInverse(ProMatrix inverse, const char* text);
    // A trial view at `position` tells where `modelPoint` lands; it is deleted and the
    // view made again, shifted by that point's offset. status holds the result of the
    // final view's creation.
    PlacedView placeView(Solid& model, int sheet, bool exploded, const ProPoint3d position,
                         double scale, ProMatrix orientation, const ProPoint3d modelPoint,
                         ProMatrix inverse, const char* text);
    // DXF procedures 1 (`secondView` false) and 3.
    void dxfProcedure(const char* name, const char* templ, Solid& model, bool secondView);
};

}  // namespace Ardo
