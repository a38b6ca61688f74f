// Drawings: made from a template, their sheets, sizes, screen transforms and formats.
#include <ProDrawing.h>

#include <cctype>
#include <string>

#include "simhost/api/drawing_args.h"
#include "simhost/core/entry.h"
#include "simhost/core/wide.h"
#include "simhost/state/drawing_template.h"
#include "simhost/state/model_session.h"
#include "simhost/state/windows.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::drawingOf;
using simhost::api::handleArg;
using simhost::api::modelOf;
using simhost::api::rowsOf;
using simhost::api::wideArg;
using simhost::api::wideText;

namespace {

constexpr int kKnownOptions = PRO_DWGCREATE_DISPLAY_DRAWING | PRO_DWGCREATE_SHOW_ERROR_DIALOG |
                              PRO_DWGCREATE_WRITE_ERRORS_TO_FILE |
                              PRO_DWGCREATE_PROMPT_UNKNOWN_PARAMS;

std::string lowerName(const std::string& name) {
    std::string out = name;
    for (char& c : out) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

// The solid a model record names: its name and a part's or an assembly's type text.
bool solidNamed(const ProModel& record, std::string& name, int& type) {
    std::string typeText;
    if (!wideText(record.name, 80, name) || !modelNameValid(name) ||
        !wideText(record.type, 10, typeText)) {
        return false;
    }
    type = modelTypeFromText(typeText);
    return type == kPart || type == kAssembly;
}

std::string modelArg(const ProModel* record) {
    if (record == nullptr) {
        return std::string();
    }
    return wideArg(record->name, 80) + "." + wideArg(record->type, 10);
}

}  // namespace

extern "C" {

ProError ProDrawingFromTmpltCreate(ProName new_name, ProName dwg_template, ProModel* new_model,
                                   ProDwgcreateOptions options, ProDrawing* drawing,
                                   ProDwgcreateErrs* errors) try {
    SIMHOST_ENTER("ProDrawingFromTmpltCreate", wideArg(new_name, PRO_NAME_SIZE),
                  wideArg(dwg_template, PRO_NAME_SIZE), modelArg(new_model),
                  std::to_string(options));
    SIMHOST_SESSION(s);
    std::string name;
    std::string templateName;
    std::string solidName;
    int solidType = 0;
    if (drawing == nullptr || new_model == nullptr || !wideText(new_name, PRO_NAME_SIZE, name) ||
        !wideText(dwg_template, PRO_NAME_SIZE, templateName) || !modelNameValid(name) ||
        !modelNameValid(templateName) || !solidNamed(*new_model, solidName, solidType) ||
        options < 0 || (options & ~kKnownOptions) != 0) {
        return PRO_TK_BAD_INPUTS;
    }
    if (errors != nullptr) {
        *errors = nullptr;
    }
    if (s->area<ModelStore>().byName(name, kDrawing) != nullptr) {
        return PRO_TK_E_FOUND;
    }
    DrawingTemplate source;
    if (ProError rc = drawingTemplateFind(*s, templateName, source)) {
        return rc;
    }
    // The model is retrieved from the working directory when it is not in session.
    Model* solid = nullptr;
    if (ProError rc = modelLoad(*s, solidName, solidType, &solid)) {
        return rc;
    }
    Model* made = drawingFromTemplate(*s, name, source, *solid);
    if (made == nullptr) {
        return PRO_TK_E_FOUND;
    }
    if ((options & PRO_DWGCREATE_DISPLAY_DRAWING) != 0) {
        s->area<WindowStore>().display(made->id);
    }
    if ((options & PRO_DWGCREATE_WRITE_ERRORS_TO_FILE) != 0) {
        drawingCreateErrorsWrite(*made, s->workDir / (lowerName(name) + ".err"));
    }
    *drawing = static_cast<ProDrawing>(modelHandle(made->id));
    DrawingState& state = drawingState(*made);
    if (state.createErrors.empty()) {
        return PRO_TK_NO_ERROR;
    }
    if (errors != nullptr) {
        *errors = state.createErrorRecord.data();
    }
    return PRO_TK_DWGCREATE_ERRORS;
}
SIMHOST_CATCH

ProError ProDrawingSheetsCount(ProDrawing drawing, int* n_sheets) try {
    SIMHOST_ENTER("ProDrawingSheetsCount", handleArg(drawing));
    SIMHOST_SESSION(s);
    Model* m = drawingOf(s, drawing, true);
    if (m == nullptr || n_sheets == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *n_sheets = static_cast<int>(drawingState(*m).sheets.size());
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProDrawingFormatGet(ProDrawing drawing, int sheet, ProName format_name) try {
    SIMHOST_ENTER("ProDrawingFormatGet", handleArg(drawing), std::to_string(sheet));
    SIMHOST_SESSION(s);
    Model* m = drawingOf(s, drawing);
    DrawingSheet* target = m == nullptr ? nullptr : drawingSheet(drawingState(*m), sheet);
    if (target == nullptr || format_name == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (target->format.empty()) {
        return PRO_TK_E_NOT_FOUND;
    }
    copyWide(format_name, PRO_NAME_SIZE, widen(target->format));
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProDrawingFormatAdd(ProDrawing drawing, int drawing_sheet, ProSolid solid, ProMdl format,
                             int format_sheet) try {
    SIMHOST_ENTER("ProDrawingFormatAdd", handleArg(drawing), std::to_string(drawing_sheet),
                  handleArg(format), std::to_string(format_sheet));
    SIMHOST_SESSION(s);
    (void)solid;
    Model* m = drawingOf(s, drawing);
    Model* f = modelOf(s, format);
    DrawingSheet* target = m == nullptr ? nullptr : drawingSheet(drawingState(*m), drawing_sheet);
    if (target == nullptr || f == nullptr || f->type != kDrawingFormat) {
        return PRO_TK_BAD_INPUTS;
    }
    const DrawingSheet* source = drawingSheet(drawingState(*f), format_sheet);
    if (source == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    // The sheet takes the format sheet's size and, with it, its screen transform.
    target->size = source->size;
    target->width = source->width;
    target->height = source->height;
    target->screenToDrawing = source->screenToDrawing;
    target->format = f->name;
    target->formatSheet = format_sheet;
    m->touch();
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProDrawingSheetTrfGet(ProDrawing drawing, int sheet, ProName sheet_size,
                               ProMatrix transform) try {
    SIMHOST_ENTER("ProDrawingSheetTrfGet", handleArg(drawing), std::to_string(sheet));
    SIMHOST_SESSION(s);
    Model* m = drawingOf(s, drawing, true);
    DrawingSheet* target = m == nullptr ? nullptr : drawingSheet(drawingState(*m), sheet);
    if (target == nullptr || sheet_size == nullptr || transform == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    copyWide(sheet_size, PRO_NAME_SIZE, widen(target->size));
    rowsOf(target->screenToDrawing, transform);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
