// Ardo::Drw: the implementation object behind kelt2pDrw, a model handle of type 4
// (drawing), with the drawing operations. Every host call made through it stores its
// result in `status`.
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>

#include "kelt2proe/drw.h"
#include "model/mdl.h"

namespace Ardo {

class Matrix;
class Vector;

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
    void FormatAdd(kelt2pMdl& format, int sheet, int formatSheet);
    void CreateFromTemplate(const char* name, const char* templ, kelt2pMdl& model);
    void WritePDF(const char* file);
    int GetMdls();
    static kelt2pMdl GetMdls(int i);
    void TestDXF(const char* name, const char* templ, kelt2pMdl& model);
    void TestDXF2(const char* name, const char* templ, kelt2pMdl& model);
    void TestDXF3(const char* name, const char* templ, kelt2pMdl& model);

    // A general view of `model` on `sheet` at `position` (drawing coordinates) with the
    // orientation `orientation`, moved so that `modelPoint` lands where a trial view
    // put it; returns the view.
    ProView GeneralviewCreate(kelt2pMdl& model, int sheet, bool exploded, const Vector& position,
                              double scale, Matrix& orientation, const Vector& modelPoint);
    // Writes the drawing as the DXF file `name` (fewer than 40 characters).
    void DxfOut(const char* name);
};

}  // namespace Ardo
