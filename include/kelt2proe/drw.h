// The application's handle on one host drawing (model type 4): the whole-model
// operations it shares with models, its sheets and formats, drawings made from a
// template, the models it shows, PDF output and three fixed DXF procedures.
//
// kelt2pDrw is a facade: it owns one Ardo::Drw. Copies never share state: a copy is an
// independent object bound to the same host drawing. Destroying a kelt2pDrw never erases
// or closes the host drawing.
//
// Operations that need a bound drawing raise (-45, the operation's text) while unbound;
// host failures raise (the host's code, the operation's text). Names and templates have
// at most 31 characters.
#pragma once

#include "kelt2proe/export.h"
#include "kelt2proe/impl_ptr.h"
#include "kelt2proe/mdl.h"

namespace Ardo {

class Drw;

class KELT2PROE_API kelt2pDrw {
public:
    // Unbound and unnamed.
    kelt2pDrw();
    kelt2pDrw(const kelt2pDrw& other);
    kelt2pDrw& operator=(const kelt2pDrw& other);
    ~kelt2pDrw();

    // --- Whole-model operations (as kelt2pMdl's) --------------------------------
    kelt2pDrw& Load(const char* name);
    void Save();
    void Erase();
    void Rename(const char* name);
    const char* NameGet();
    kelt2pMdldata DataGet();
    void Display();
    // Binds to the host's current model when it is a drawing; otherwise this object is
    // left unbound, without an error.
    void Current();

    // --- Sheets and formats -----------------------------------------------------
    int SheetsCount();
    // The name of the format on `sheet`. A sheet without a format gives "" unless
    // `mustExist`, which raises -4. The text is this object's name field: it replaces
    // the drawing's name cached there.
    const char* FormatGet(int sheet, bool mustExist);
    // Places sheet `formatSheet` of the format model `format` on sheet `sheet`.
    void FormatAdd(kelt2pMdl& format, int sheet, int formatSheet);

    // --- Making and writing drawings --------------------------------------------
    // A new drawing `name` of `model` from the drawing template `templ`; this object is
    // then bound to it.
    void CreateFromTemplate(const char* name, const char* templ, kelt2pMdl& model);
    // The drawing as a PDF file; `file` has fewer than 260 characters.
    void WritePDF(const char* file);
    // Lists the models the drawing shows into the process-wide drawing-model list, in
    // the host's order; returns their number.
    int GetMdls();
    // Entry i of that list; std::out_of_range outside it.
    kelt2pMdl GetMdls(int i);

    // --- The DXF procedures -----------------------------------------------------
    // A drawing of `model` from `templ` with one general view oriented by the model's
    // saved view "FASYS", written as "<name>.DXF"; the drawing is erased afterwards.
    void TestDXF(const char* name, const char* templ, kelt2pMdl& model);
    // A drawing of `model` from `templ` with one general view oriented by the saved view
    // "ZRV" and centred by the coordinate system "M_0", written as the file `name`
    // (fewer than 40 characters); the drawing stays in session, bound to this object.
    void TestDXF2(const char* name, const char* templ, kelt2pMdl& model);
    // As TestDXF with the saved view's matrix as it is, and a second view 100 to the
    // right and above the first, which is the one displayed and written.
    void TestDXF3(const char* name, const char* templ, kelt2pMdl& model);

private:
    friend struct FacadeAccess;
    // A drawing with a copy of `drw`: how the library hands out host drawings.
    explicit kelt2pDrw(const Drw& drw);

    CopiedImpl<Drw> impl;
};

}  // namespace Ardo
