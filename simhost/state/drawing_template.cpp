// Drawing templates: finding one and making a drawing from it.
#include "simhost/state/drawing_template.h"

#include <fstream>

#include "simhost/state/drawing_views.h"
#include "simhost/state/load_diagnostic.h"
#include "simhost/state/model_files.h"
#include "simhost/state/views.h"

namespace simhost::state {

namespace fs = std::filesystem;

namespace {

void takeFrom(DrawingState& drawing, DrawingTemplate& out) {
    out.sheets = drawing.sheets;
    out.views = drawing.templateViews;
}

// The template view made as a general view of the solid; false with `why` when the
// solid lacks the saved view or the view cannot be placed.
bool templateViewMake(Session& session, Model& drawing, const TemplateView& view, Model& solid,
                      std::string& why) {
    NamedView* saved = viewByName(viewState(solid), view.view);
    if (saved == nullptr) {
        why = "template view " + view.view + ": " + solid.name + "." + modelTypeText(solid.type) +
              " has no saved view " + view.view;
        return false;
    }
    GeneralViewRequest request;
    request.solid = &solid;
    request.sheet = view.sheet;
    request.position = view.position;
    request.scale = view.scale;
    request.orientation = saved->orientation;
    if (ProError rc = generalViewAdd(session, drawing, request, nullptr)) {
        why = "template view " + view.view + ": the view cannot be placed (error " +
              std::to_string(rc) + ")";
        return false;
    }
    return true;
}

}  // namespace

ProError drawingTemplateFind(Session& session, const std::string& name, DrawingTemplate& out) {
    if (Model* drawing = session.area<ModelStore>().byName(name, kDrawing)) {
        takeFrom(drawingState(*drawing), out);
        return PRO_TK_NO_ERROR;
    }
    fs::path file = session.workDir / modelFileName(name, kDrawing);
    std::string text;
    nlohmann::json doc;
    std::string diagnostic;
    ProError rc = modelFileRead(file, text, doc, diagnostic);
    if (rc != PRO_TK_NO_ERROR) {
        if (rc != PRO_TK_E_NOT_FOUND) {
            loadDiagnosticSet(diagnostic);
        }
        return rc;
    }
    Model read;
    read.name = upperName(name);
    read.type = kDrawing;
    ModelFileFault fault;
    rc = modelFromJson(doc, read, &fault);
    if (rc != PRO_TK_NO_ERROR) {
        loadDiagnosticSet(modelFileDiagnostic(file, text, fault));
        return rc;
    }
    takeFrom(drawingState(read), out);
    return PRO_TK_NO_ERROR;
}

Model* drawingFromTemplate(Session& session, const std::string& name, const DrawingTemplate& source,
                           Model& solid) {
    Model* drawing = session.area<ModelStore>().add(name, kDrawing);
    if (drawing == nullptr) {
        return nullptr;
    }
    drawing->directory = session.workDir;
    drawing->modified = true;
    DrawingState& state = drawingState(*drawing);
    state.sheets = source.sheets;
    if (state.sheets.empty()) {
        state.sheets.push_back(sheetMake(*sheetSizeFind("A4")));
    }
    for (const TemplateView& view : source.views) {
        std::string why;
        if (!templateViewMake(session, *drawing, view, solid, why)) {
            drawingCreateErrorAdd(state, why);
        }
    }
    return drawing;
}

ProError drawingCreateErrorsWrite(Model& drawing, const fs::path& file) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) {
        return PRO_TK_CANT_WRITE;
    }
    for (const dwg_template_error& error : drawingState(drawing).createErrors) {
        out << error.text << "\n";
    }
    out.close();
    return out ? PRO_TK_NO_ERROR : PRO_TK_CANT_WRITE;
}

}  // namespace simhost::state
