// PDF export of a model: option objects and ProPDFExport, which writes one page showing
// the edges of the model's solids in its current view, fitted to the page; or, for a
// drawing, a page per sheet at the sheet's size (docs/interface-files.md).
#include <ProPDF.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "simhost/api/enum_args.h"
#include "simhost/api/live_kind.h"
#include "simhost/api/model_args.h"
#include "simhost/api/path_args.h"
#include "simhost/core/entry.h"
#include "simhost/geometry/kernel.h"
#include "simhost/state/drawing_lines.h"
#include "simhost/state/pdf_writer.h"
#include "simhost/state/placed_solids.h"
#include "simhost/state/views.h"

// The option object: the values set, by option type.
struct _pdfconfig {
    std::map<int, int> values;
};

using namespace simhost::state;
using simhost::api::booleanValid;
using simhost::api::handleArg;
using simhost::api::modelOf;
using simhost::api::plainInt;
using simhost::api::wideArg;
using simhost::api::wideText;
namespace geometry = simhost::geometry;

namespace {

constexpr int kLastOption = PRO_PDFOPT_INCL_ANNOT;

simhost::api::LiveKind& optionObjects() {
    static auto* kind = new simhost::api::LiveKind;
    return *kind;
}

void optionsRelease(const void* p) {
    optionObjects().forget(p);
    delete static_cast<const _pdfconfig*>(p);
}

ProError propertySet(ProPDFOptions options, int type, int value) {
    if (!optionObjects().live(options) || type < 0 || type > kLastOption) {
        return PRO_TK_BAD_INPUTS;
    }
    options->values[type] = value;
    return PRO_TK_NO_ERROR;
}

// The page of a model: the edges of its solids seen in its current view (x to the
// right, y up); a model without solids, or a host without its geometry kernel, gives an
// empty page.
PdfPage modelPage(Session& s, Model& model) {
    std::vector<PagePolyline> lines;
    if (model.type == kPart || model.type == kAssembly || model.type == kMfg) {
        std::vector<std::vector<geometry::Vec3>> edges;
        const geometry::Placement view = viewState(model).current;
        if (geometry::solidsEdgesInView(modelSolidsPlaced(s, model, geometry::Placement{}), view,
                                        &edges) == PRO_TK_NO_ERROR) {
            for (const auto& edge : edges) {
                PagePolyline line;
                for (const geometry::Vec3& p : edge) {
                    line.push_back({p[0], p[1]});
                }
                lines.push_back(std::move(line));
            }
        }
    }
    return pdfPageFitted(lines);
}

// Points per millimetre.
constexpr double kPointsPerMm = 72.0 / 25.4;

std::vector<PagePolyline> inPoints(const std::vector<geometry::ViewPolyline>& lines) {
    std::vector<PagePolyline> out;
    for (const geometry::ViewPolyline& line : lines) {
        PagePolyline page;
        for (const auto& p : line) {
            page.push_back({p[0] * kPointsPerMm, p[1] * kPointsPerMm});
        }
        out.push_back(std::move(page));
    }
    return out;
}

// A drawing's pages: each sheet at its size, its border and its views' edges at their
// scale (hidden edges dashed where the view shows them).
ProError drawingPages(Session& s, Model& drawing, std::vector<PdfPage>& pages) {
    std::vector<SheetLines> sheets;
    if (ProError rc = drawingSheetLines(s, drawing, sheets)) {
        return rc;
    }
    for (const SheetLines& sheet : sheets) {
        PdfPage page;
        page.width = sheet.width * kPointsPerMm;
        page.height = sheet.height * kPointsPerMm;
        page.lines = inPoints(sheet.border);
        for (PagePolyline& line : inPoints(sheet.visible)) {
            page.lines.push_back(std::move(line));
        }
        page.dashed = inPoints(sheet.hidden);
        pages.push_back(std::move(page));
    }
    return PRO_TK_NO_ERROR;
}

}  // namespace

extern "C" {

ProError ProPDFoptionsAlloc(ProPDFOptions* options) try {
    SIMHOST_ENTER("ProPDFoptionsAlloc");
    if (options == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    auto* made = new _pdfconfig;
    optionObjects().add(made, optionsRelease);
    *options = made;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProPDFoptionsFree(ProPDFOptions options) try {
    SIMHOST_ENTER("ProPDFoptionsFree");
    if (!optionObjects().remove(options)) {
        return PRO_TK_BAD_INPUTS;
    }
    optionsRelease(options);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProPDFoptionsIntpropertySet(ProPDFOptions options, ProPDFOptionType type, int value) try {
    SIMHOST_ENTER("ProPDFoptionsIntpropertySet", std::to_string(plainInt(type)),
                  std::to_string(value));
    return propertySet(options, plainInt(type), value);
}
SIMHOST_CATCH

ProError ProPDFoptionsBoolpropertySet(ProPDFOptions options, ProPDFOptionType type,
                                      ProBoolean value) try {
    SIMHOST_ENTER("ProPDFoptionsBoolpropertySet", std::to_string(plainInt(type)),
                  std::to_string(plainInt(value)));
    if (!booleanValid(value)) {
        return PRO_TK_BAD_INPUTS;
    }
    return propertySet(options, plainInt(type), plainInt(value));
}
SIMHOST_CATCH

ProError ProPDFExport(ProMdl model, ProPath output_file, ProPDFOptions options) try {
    SIMHOST_ENTER("ProPDFExport", handleArg(model), wideArg(output_file, PRO_PATH_SIZE));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, model);
    std::string name;
    if (m == nullptr || !wideText(output_file, PRO_PATH_SIZE, name) || name.empty() ||
        (options != nullptr && !optionObjects().live(options))) {
        return PRO_TK_BAD_INPUTS;
    }
    std::string document;
    if (m->type == kDrawing) {
        std::vector<PdfPage> pages;
        if (ProError rc = drawingPages(*s, *m, pages)) {
            return rc;
        }
        document = pdfDocument(pages, m->name);
    } else {
        document = pdfDocument(modelPage(*s, *m), m->name);
    }
    return simhost::api::documentWrite(*s, std::filesystem::u8path(name), document);
}
SIMHOST_CATCH

}  // extern "C"
