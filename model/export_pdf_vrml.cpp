// Writing the model's current view as a PDF file, and the model as a VRML file.
#include <ProPDF.h>
#include <ProUtil.h>

#include "base/text.h"
#include "model/solid.h"
#include "toolkit/owned.h"

namespace Ardo {

namespace {

using PdfOptionsOwner = ardotk::Owned<ProPDFOptions, ProPDFoptionsFree>;

}  // namespace

void Solid::WritePDF(const char* file) {
    constexpr const char* kText = "Ardo::Solid::WritePDF";
    requireHandle(kText);
    // The option calls only record their results: an option the host refuses leaves its
    // default.
    PdfOptionsOwner options;
    status = ProPDFoptionsAlloc(options.out());
    status = ProPDFoptionsIntpropertySet(options.get(), PRO_PDFOPT_SHEET_RANGE, 2);
    status = ProPDFoptionsBoolpropertySet(options.get(), PRO_PDFOPT_LAUNCH_VIEWER, PRO_B_FALSE);
    ProPath widePath = {};
    text::widenBounded(widePath, file);
    check(ProPDFExport(handle, widePath, options.get()), kText);
}

void Solid::ExportVRML(const char* file) {
    ProPath widePath = {};
    text::widenBounded(widePath, file);
    ProExportVRML(PRO_B_FALSE, handle, nullptr, widePath);
}

}  // namespace Ardo
