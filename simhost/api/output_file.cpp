// Output files of a model: ProOutputFileWrite, which writes a drawing as DXF: its sheets
// side by side, each with its border and the edges its views show
// (docs/interface-files.md, "DXF of drawings").
#include <ProUtil.h>

#include <string>
#include <vector>

#include "simhost/api/enum_args.h"
#include "simhost/api/export_args.h"
#include "simhost/api/model_args.h"
#include "simhost/api/path_args.h"
#include "simhost/core/entry.h"
#include "simhost/geometry/kernel.h"
#include "simhost/state/drawing_lines.h"
#include "simhost/state/dxf_writer.h"

using namespace simhost::state;
using simhost::api::handleArg;
using simhost::api::modelOf;
using simhost::api::plainInt;
using simhost::api::wideArg;
namespace geometry = simhost::geometry;

namespace {

// The room left between two sheets laid side by side, in millimetres.
constexpr double kSheetGap = 20.0;

const char* const kBorderLayer = "BORDER";
const char* const kVisibleLayer = "VISIBLE";
const char* const kHiddenLayer = "HIDDEN";

void addLines(DxfDrawing& dxf, const char* layer, double offset,
              const std::vector<geometry::ViewPolyline>& lines) {
    for (const geometry::ViewPolyline& line : lines) {
        DxfPolyline out{layer, {}};
        out.points.reserve(line.size());
        for (const auto& p : line) {
            out.points.push_back({p[0] + offset, p[1]});
        }
        dxf.lines.push_back(std::move(out));
    }
}

// Sheet 1 at the origin, every further sheet to the right of the one before.
DxfDrawing drawingDxf(const std::vector<SheetLines>& sheets) {
    DxfDrawing dxf;
    dxf.layers = {{kBorderLayer, DxfLinetype::Continuous, 7},
                  {kVisibleLayer, DxfLinetype::Continuous, 7},
                  {kHiddenLayer, DxfLinetype::Hidden, 8}};
    double offset = 0.0;
    for (const SheetLines& sheet : sheets) {
        addLines(dxf, kBorderLayer, offset, sheet.border);
        addLines(dxf, kVisibleLayer, offset, sheet.visible);
        addLines(dxf, kHiddenLayer, offset, sheet.hidden);
        offset += sheet.width + kSheetGap;
    }
    return dxf;
}

}  // namespace

extern "C" {

ProError ProOutputFileWrite(ProMdl model, ProFileName name, ProImportExportFile file_type,
                            ProAppData arg1, ProAppData arg2, ProAppData arg3,
                            ProAppData arg4) try {
    const int type = plainInt(file_type);
    SIMHOST_ENTER("ProOutputFileWrite", handleArg(model), wideArg(name, PRO_FILE_NAME_SIZE),
                  std::to_string(type));
    SIMHOST_SESSION(s);
    Model* drawing = modelOf(s, model);
    std::filesystem::path file;
    if (drawing == nullptr || !simhost::api::exportPath(name, PRO_FILE_NAME_SIZE, file) ||
        arg1 != nullptr || arg2 != nullptr || arg3 != nullptr || arg4 != nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (type != PRO_DXF_FILE) {
        return PRO_TK_UNSUPPORTED;
    }
    if (drawing->type != kDrawing) {
        return PRO_TK_BAD_CONTEXT;
    }
    if (!geometry::kernelAvailable()) {
        return geometry::kKernelNotAvailable;
    }
    std::vector<SheetLines> sheets;
    if (ProError rc = drawingSheetLines(*s, *drawing, sheets)) {
        return rc;
    }
    return simhost::api::documentWrite(*s, file, dxfDocument(drawingDxf(sheets)));
}
SIMHOST_CATCH

}  // extern "C"
