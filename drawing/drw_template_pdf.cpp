// Drawings made from a drawing template, and a drawing written as PDF.
#include <ProDrawing.h>
#include <ProPDF.h>

#include "base/length_check.h"
#include "base/text.h"
#include "drawing/drw.h"
#include "drawing/drw_names.h"
#include "toolkit/owned.h"

namespace Ardo {

namespace {

using PdfOptionsOwner = ardotk::Owned<ProPDFOptions, ProPDFoptionsFree>;

// The host's sheet-range value for a drawing's PDF (a model's export uses 2).
constexpr int kDrawingSheetRange = 0;

}  // namespace

void Drw::CreateFromTemplate(const char* drawingName, const char* templ, Solid& model) {
    constexpr const char* kText = "Ardo::Drw::CreateFromTemplate";
    drawing::TemplateNames names(drawingName, templ, kText);
    ProModel record = drawing::modelRecord(model);
    ProDrawing created = nullptr;
    check(drawing::createFromTemplate(names, record, &created), kText);
    handle = created;
}

void Drw::WritePDF(const char* file) {
    constexpr const char* kText = "Ardo::Drw::WritePDF";
    refuseLongerThan(file, text::kPathSize - 1, PRO_TK_LINE_TOO_LONG, "filename too long");
    ProPath widePath = {};
    text::widenBounded(widePath, file);
    requireHandle(kText);
    // The option calls only record their results: an option the host refuses keeps its
    // default.
    PdfOptionsOwner options;
    status = ProPDFoptionsAlloc(options.out());
    status = ProPDFoptionsIntpropertySet(options.get(), PRO_PDFOPT_SHEET_RANGE, kDrawingSheetRange);
    status = ProPDFoptionsBoolpropertySet(options.get(), PRO_PDFOPT_LAUNCH_VIEWER, PRO_B_FALSE);
    check(ProPDFExport(handle, widePath, options.get()), kText);
}

}  // namespace Ardo
