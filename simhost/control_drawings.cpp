// Control API: drawing templates and formats written for tests and users, sheet
// transforms set, and what a template could not apply.
#include <cmath>
#include <stdexcept>

#include "kelt2proe/simhost/control.h"
#include "simhost/state/drawings.h"
#include "simhost/state/model_files.h"
#include "simhost/state/sessions.h"

namespace simhost {

namespace {

state::Session& connectedSession(const char* function) {
    state::Session* session = state::connected();
    if (session == nullptr) {
        throw std::runtime_error(std::string(function) + ": no connected session");
    }
    return *session;
}

void require(bool condition, const char* function, const std::string& what) {
    if (!condition) {
        throw std::invalid_argument(std::string(function) + ": " + what);
    }
}

state::DrawingSheet sheetOfSize(const std::string& size, const char* function) {
    const state::SheetSize* known = state::sheetSizeFind(size);
    require(known != nullptr, function, "unknown sheet size \"" + size + "\"");
    return state::sheetMake(*known);
}

// Writes a drawing or format that is not in session into the working directory.
void writeModel(state::Session& session, state::Model& model, const char* function) {
    const auto file = session.workDir / state::modelFileName(model.name, model.type);
    if (state::modelFileWrite(file, model) != PRO_TK_NO_ERROR) {
        throw std::runtime_error(std::string(function) + ": cannot write " + file.string());
    }
}

state::Model* drawingOf(const void* drawing) {
    state::Session* session = state::connected();
    if (session == nullptr) {
        return nullptr;
    }
    state::Model* model = session->area<state::ModelStore>().byHandle(drawing);
    return model != nullptr && model->type == state::kDrawing ? model : nullptr;
}

}  // namespace

void writeDrawingTemplate(const std::string& name, const std::vector<TemplateSheetEntry>& sheets,
                          const std::vector<TemplateViewEntry>& views) {
    const char* function = "simhost::writeDrawingTemplate";
    state::Session& session = connectedSession(function);
    require(state::modelNameValid(name), function, "\"" + name + "\" is no model name");
    require(!sheets.empty(), function, "a template has at least one sheet");
    state::Model model;
    model.name = state::upperName(name);
    model.type = state::kDrawing;
    state::DrawingState& drawing = state::drawingState(model);
    for (const TemplateSheetEntry& entry : sheets) {
        state::DrawingSheet sheet = sheetOfSize(entry.size, function);
        if (!entry.format.empty()) {
            require(state::modelNameValid(entry.format), function,
                    "\"" + entry.format + "\" is no format name");
            require(entry.formatSheet >= 1, function, "format sheets count from 1");
            sheet.format = state::upperName(entry.format);
            sheet.formatSheet = entry.formatSheet;
        }
        drawing.sheets.push_back(sheet);
    }
    for (const TemplateViewEntry& entry : views) {
        require(state::modelNameValid(entry.view), function,
                "\"" + entry.view + "\" is no view name");
        require(entry.sheet >= 1 && static_cast<std::size_t>(entry.sheet) <= sheets.size(),
                function, "the template has no sheet " + std::to_string(entry.sheet));
        require(std::isfinite(entry.x) && std::isfinite(entry.y) && std::isfinite(entry.scale) &&
                    entry.scale >= 0.0,
                function, "finite numbers and a scale of 0 or more expected");
        drawing.templateViews.push_back(
            {state::upperName(entry.view), entry.sheet, {entry.x, entry.y, 0.0}, entry.scale});
    }
    writeModel(session, model, function);
}

void writeDrawingFormat(const std::string& name, const std::vector<std::string>& sheetSizes) {
    const char* function = "simhost::writeDrawingFormat";
    state::Session& session = connectedSession(function);
    require(state::modelNameValid(name), function, "\"" + name + "\" is no model name");
    require(!sheetSizes.empty(), function, "a format has at least one sheet");
    state::Model model;
    model.name = state::upperName(name);
    model.type = state::kDrawingFormat;
    for (const std::string& size : sheetSizes) {
        state::drawingState(model).sheets.push_back(sheetOfSize(size, function));
    }
    writeModel(session, model, function);
}

bool setSheetTransform(const void* drawing, int sheet, const double matrix[4][4]) {
    state::Model* model = drawingOf(drawing);
    state::DrawingSheet* target =
        model == nullptr ? nullptr : state::drawingSheet(state::drawingState(*model), sheet);
    if (target == nullptr || matrix == nullptr) {
        return false;
    }
    for (int r = 0; r < 4; ++r) {
        for (int k = 0; k < 3; ++k) {
            if (!std::isfinite(matrix[r][k])) {
                return false;
            }
        }
    }
    geometry::Placement& t = target->screenToDrawing;
    t.x = {matrix[0][0], matrix[0][1], matrix[0][2]};
    t.y = {matrix[1][0], matrix[1][1], matrix[1][2]};
    t.z = {matrix[2][0], matrix[2][1], matrix[2][2]};
    t.origin = {matrix[3][0], matrix[3][1], matrix[3][2]};
    model->touch();
    return true;
}

std::vector<std::string> drawingCreateErrors(const void* drawing) {
    std::vector<std::string> out;
    if (state::Model* model = drawingOf(drawing)) {
        for (const dwg_template_error& error : state::drawingState(*model).createErrors) {
            out.push_back(error.text);
        }
    }
    return out;
}

}  // namespace simhost
