// Sheet sizes, the default screen transform of a sheet, renamed models, template errors.
#include <cctype>

#include "simhost/state/drawings.h"

namespace simhost::state {

namespace {

constexpr double kInch = 25.4;
constexpr double kPoint = kInch / 72.0;

constexpr SheetSize kSizes[] = {
    {"A4", 297.0, 210.0},
    {"A3", 420.0, 297.0},
    {"A2", 594.0, 420.0},
    {"A1", 841.0, 594.0},
    {"A0", 1189.0, 841.0},
    {"A", 11.0 * kInch, 8.5 * kInch},
    {"B", 17.0 * kInch, 11.0 * kInch},
    {"C", 22.0 * kInch, 17.0 * kInch},
    {"D", 34.0 * kInch, 22.0 * kInch},
    {"E", 44.0 * kInch, 34.0 * kInch},
};

}  // namespace

const SheetSize* sheetSizeFind(const std::string& name) {
    const std::string upper = upperName(name);
    for (const SheetSize& size : kSizes) {
        if (upper == size.name) {
            return &size;
        }
    }
    return nullptr;
}

geometry::Placement defaultScreenToDrawing(double width, double height) {
    geometry::Placement t;
    t.x = {kPoint, 0.0, 0.0};
    t.y = {0.0, kPoint, 0.0};
    t.z = {0.0, 0.0, kPoint};
    t.origin = {width / 2.0, height / 2.0, 0.0};
    return t;
}

DrawingSheet sheetMake(const SheetSize& size) {
    DrawingSheet sheet;
    sheet.size = size.name;
    sheet.width = size.width;
    sheet.height = size.height;
    sheet.screenToDrawing = defaultScreenToDrawing(size.width, size.height);
    return sheet;
}

DrawingSheet* drawingSheet(DrawingState& drawing, int number) {
    if (number < 1 || static_cast<std::size_t>(number) > drawing.sheets.size()) {
        return nullptr;
    }
    return &drawing.sheets[static_cast<std::size_t>(number) - 1];
}

void drawingModelRenamed(Model& drawing, const std::string& oldName, int type,
                         const std::string& newName) {
    if (drawing.type != kDrawing) {
        return;
    }
    DrawingState& state = drawingState(drawing);
    for (DrawingView& view : state.views) {
        if (view.solidName == oldName && view.solidType == type) {
            view.solidName = newName;
            drawing.touch();
        }
    }
    for (DrawingSheet& sheet : state.sheets) {
        if (type == kDrawingFormat && sheet.format == oldName) {
            sheet.format = newName;
            drawing.touch();
        }
    }
}

void drawingCreateErrorAdd(DrawingState& drawing, std::string text) {
    drawing.createErrors.push_back(dwg_template_error{std::move(text)});
    drawing.createErrorRecord.clear();
    for (dwg_template_error& error : drawing.createErrors) {
        drawing.createErrorRecord.push_back(&error);
    }
    drawing.createErrorRecord.push_back(nullptr);
}

}  // namespace simhost::state
