// The section "drawing" of drawing and format files (docs/model-files.md): sheets, views
// and template views.
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "simhost/state/drawings.h"
#include "simhost/state/json_numbers.h"
#include "simhost/state/json_place.h"
#include "simhost/state/json_vec3.h"
#include "simhost/state/model_files.h"
#include "simhost/state/views.h"

namespace simhost::state {

namespace {

using nlohmann::json;

constexpr std::size_t kSheetsMax = 1000;
constexpr std::size_t kViewsMax = 10000;

[[noreturn]] void refuse(const std::string& what) {
    throw std::invalid_argument(what);
}

bool holdsDrawing(const Model& model) {
    return model.type == kDrawing || model.type == kDrawingFormat;
}

const json& boundedList(const json& section, const char* key, std::size_t max) {
    const json& list = keyListOr(section, key);
    JsonPlace place(key);
    listOf(list);
    if (list.size() > max) {
        refuse("more than " + std::to_string(max) + " entries");
    }
    return list;
}

std::string modelNameIn(const json& entry, const char* key) {
    std::string name = keyAs<std::string>(entry, key);
    if (!modelNameValid(name)) {
        JsonPlace place(key);
        refuse("\"" + name + "\" is no name (1 to 31 letters, digits, '_' or '-')");
    }
    return upperName(name);
}

geometry::Placement transformIn(const json& entry) {
    if (!entry.is_object()) {
        refuse("an object with x, y, z and origin expected");
    }
    geometry::Placement t;
    t.x = keyVec3(entry, "x");
    t.y = keyVec3(entry, "y");
    t.z = keyVec3(entry, "z");
    t.origin = keyVec3(entry, "origin");
    return t;
}

json transformJson(const geometry::Placement& t) {
    return {{"x", vec3Json(t.x)},
            {"y", vec3Json(t.y)},
            {"z", vec3Json(t.z)},
            {"origin", vec3Json(t.origin)}};
}

bool samePlacement(const geometry::Placement& a, const geometry::Placement& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z && a.origin == b.origin;
}

DrawingSheet sheetIn(const json& entry, bool format) {
    if (!entry.is_object()) {
        refuse("an object with the sheet's size expected");
    }
    const std::string sizeName = keyOr(entry, "size", std::string("A4"));
    const SheetSize* size = sheetSizeFind(sizeName);
    if (size == nullptr) {
        JsonPlace place("size");
        refuse("unknown sheet size \"" + sizeName + "\" (A4 to A0, A to E)");
    }
    DrawingSheet sheet = sheetMake(*size);
    if (auto t = entry.find("screen_to_drawing"); t != entry.end()) {
        JsonPlace place("screen_to_drawing");
        sheet.screenToDrawing = transformIn(*t);
    }
    if (entry.contains("format")) {
        if (format) {
            JsonPlace place("format");
            refuse("a format's sheet holds no format");
        }
        sheet.format = modelNameIn(entry, "format");
        sheet.formatSheet = keyInt(entry, "format_sheet", 1, static_cast<int>(kSheetsMax));
    } else if (entry.contains("format_sheet")) {
        JsonPlace place("format_sheet");
        refuse("a format sheet without a format");
    }
    return sheet;
}

json sheetJson(const DrawingSheet& sheet) {
    json out = {{"size", sheet.size}};
    if (!samePlacement(sheet.screenToDrawing, defaultScreenToDrawing(sheet.width, sheet.height))) {
        out["screen_to_drawing"] = transformJson(sheet.screenToDrawing);
    }
    if (!sheet.format.empty()) {
        out["format"] = sheet.format;
        out["format_sheet"] = sheet.formatSheet;
    }
    return out;
}

bool keyBool(const json& entry, const char* key) {
    return keyOr(entry, key, false);
}

ViewDisplay displayIn(const json& entry) {
    ViewDisplay display;
    display.style = keyIntOr(entry, "style", display.style, 0, 6);
    display.quiltHlr = keyBool(entry, "quilt_hlr") ? 1 : 0;
    display.tangentEdges = keyIntOr(entry, "tangent_edges", display.tangentEdges, 10, 15);
    display.cable = keyIntOr(entry, "cable", display.cable, 20, 22);
    display.conceptModel = keyBool(entry, "concept_model") ? 1 : 0;
    display.weldXsec = keyBool(entry, "weld_xsec") ? 1 : 0;
    return display;
}

json displayJson(const ViewDisplay& display) {
    return {{"style", display.style},
            {"quilt_hlr", display.quiltHlr != 0},
            {"tangent_edges", display.tangentEdges},
            {"cable", display.cable},
            {"concept_model", display.conceptModel != 0},
            {"weld_xsec", display.weldXsec != 0}};
}

geometry::Placement orientationIn(const json& entry) {
    geometry::Placement orientation;
    orientation.x = keyVec3(entry, "x");
    orientation.y = keyVec3(entry, "y");
    orientation.z = keyVec3(entry, "z");
    if (!viewOrientationValid(orientation)) {
        refuse("the axes x, y and z are not orthonormal and right-handed");
    }
    return orientation;
}

double scaleIn(const json& entry, bool zeroAllowed) {
    JsonPlace place("scale");
    double scale = doubleIn(entry.at("scale"));
    if (scale < 0.0 || (scale == 0.0 && !zeroAllowed)) {
        refuse(zeroAllowed ? "a scale of 0 (the default) or more expected"
                           : "a scale greater than 0 expected");
    }
    return scale;
}

DrawingView viewIn(const json& entry, std::size_t sheets) {
    if (!entry.is_object()) {
        refuse("an object with the view's solid, sheet and placement expected");
    }
    DrawingView view;
    view.solidName = modelNameIn(entry, "solid");
    const std::string type = keyOr(entry, "type", std::string("PRT"));
    view.solidType = modelTypeFromText(type);
    if (view.solidType != kPart && view.solidType != kAssembly) {
        JsonPlace place("type");
        refuse("a view shows a part (\"PRT\") or an assembly (\"ASM\"), not \"" + type + "\"");
    }
    view.sheet = keyIntOr(entry, "sheet", 1, 1, static_cast<int>(sheets));
    view.exploded = keyBool(entry, "exploded");
    view.position = keyVec3(entry, "position");
    view.scale = scaleIn(entry, false);
    view.orientation = orientationIn(entry);
    if (entry.contains("centre")) {
        view.modelCentre = keyVec3(entry, "centre");
    }
    JsonPlace place("display");
    view.display = displayIn(keyObjectOr(entry, "display"));
    view.serial = drawingViewSerialNext();
    return view;
}

json viewJson(const DrawingView& view) {
    return {{"solid", view.solidName},
            {"type", modelTypeText(view.solidType)},
            {"sheet", view.sheet},
            {"exploded", view.exploded},
            {"position", vec3Json(view.position)},
            {"scale", view.scale},
            {"x", vec3Json(view.orientation.x)},
            {"y", vec3Json(view.orientation.y)},
            {"z", vec3Json(view.orientation.z)},
            {"centre", vec3Json(view.modelCentre)},
            {"display", displayJson(view.display)}};
}

TemplateView templateViewIn(const json& entry, std::size_t sheets) {
    if (!entry.is_object()) {
        refuse("an object with the saved view's name, sheet and position expected");
    }
    TemplateView view;
    view.view = modelNameIn(entry, "view");
    view.sheet = keyIntOr(entry, "sheet", 1, 1, static_cast<int>(sheets));
    view.position = keyVec3(entry, "position");
    view.scale = entry.contains("scale") ? scaleIn(entry, true) : 0.0;
    return view;
}

json templateViewJson(const TemplateView& view) {
    return {{"view", view.view},
            {"sheet", view.sheet},
            {"position", vec3Json(view.position)},
            {"scale", view.scale}};
}

// Reads each entry of the list `key` (at most `max`) with `read`, placed at its index.
template <typename Read>
void readEach(const json& section, const char* key, std::size_t max, Read read) {
    const json& list = boundedList(section, key, max);
    JsonPlace place(key);
    std::size_t index = 0;
    for (const json& entry : list) {
        JsonPlace at(index++);
        read(entry);
    }
}

void readDrawing(Model& model, const json& section) {
    if (!holdsDrawing(model)) {
        refuse("only drawings and formats have this section");
    }
    if (!section.is_object()) {
        refuse("an object with sheets, views and template views expected");
    }
    const bool format = model.type == kDrawingFormat;
    DrawingState state;
    readEach(section, "sheets", kSheetsMax,
             [&](const json& entry) { state.sheets.push_back(sheetIn(entry, format)); });
    for (const char* key : {"views", "template_views"}) {
        if (format && !keyListOr(section, key).empty()) {
            JsonPlace place(key);
            refuse("a format holds no views");
        }
    }
    // A file without sheets has the one default sheet.
    const std::size_t sheets = std::max<std::size_t>(state.sheets.size(), 1);
    readEach(section, "views", kViewsMax,
             [&](const json& entry) { state.views.push_back(viewIn(entry, sheets)); });
    readEach(section, "template_views", kViewsMax, [&](const json& entry) {
        state.templateViews.push_back(templateViewIn(entry, sheets));
    });
    drawingState(model) = std::move(state);
}

json writeDrawing(Model& model) {
    if (!holdsDrawing(model)) {
        return nullptr;
    }
    const DrawingState& state = drawingState(model);
    json out = json::object();
    json sheets = json::array();
    for (const DrawingSheet& sheet : state.sheets) {
        sheets.push_back(sheetJson(sheet));
    }
    out["sheets"] = sheets;
    if (!state.views.empty()) {
        json views = json::array();
        for (const DrawingView& view : state.views) {
            views.push_back(viewJson(view));
        }
        out["views"] = views;
    }
    if (!state.templateViews.empty()) {
        json views = json::array();
        for (const TemplateView& view : state.templateViews) {
            views.push_back(templateViewJson(view));
        }
        out["template_views"] = views;
    }
    return out;
}

// A drawing or format always has a sheet: one that its file does not list is A4.
void sheetDefault(Model& model) {
    if (holdsDrawing(model) && drawingState(model).sheets.empty()) {
        drawingState(model).sheets.push_back(sheetMake(*sheetSizeFind("A4")));
    }
}

const bool kRegistered = [] {
    sectionCodecAdd({"drawing", readDrawing, writeDrawing});
    modelLoadHookAdd(sheetDefault);
    return true;
}();

}  // namespace

}  // namespace simhost::state
