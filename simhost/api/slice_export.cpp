// STL export: the model's solids (or one component's) triangulated, every vertex moved by
// the caller's matrix in the host's row-vector layout.
#include <ProUtil.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "simhost/api/enum_args.h"
#include "simhost/api/export_args.h"
#include "simhost/api/mesh_quality.h"
#include "simhost/api/model_args.h"
#include "simhost/core/entry.h"
#include "simhost/state/mesh_files.h"
#include "simhost/state/placed_solids.h"

using namespace simhost::state;
using simhost::api::handleArg;
using simhost::api::modelOf;
using simhost::api::plainInt;
using simhost::api::wideArg;
namespace geo = simhost::geometry;

namespace {

// A matrix that flattens space (|det| below this share of its scale cubed) would write
// degenerate facets.
constexpr double kFlatShare = 1e-12;

const ProMatrix kIdentity = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};

bool usableMatrix(const ProMatrix m) {
    double scale = 0.0;
    for (int r = 0; r < 4; ++r) {
        for (int k = 0; k < 4; ++k) {
            if (!std::isfinite(m[r][k])) {
                return false;
            }
            if (r < 3 && k < 3) {
                scale = std::fmax(scale, std::fabs(m[r][k]));
            }
        }
    }
    return std::fabs(linearDeterminant(m)) > kFlatShare * scale * scale * scale;
}

// The model, or the component the path names, placed in the model's frame.
ProError sliceSource(Session& s, Model& model, const ProAsmcomppath* path, PathEnd& end) {
    end.model = &model;
    if (path == nullptr) {
        return PRO_TK_NO_ERROR;
    }
    if (modelOf(&s, path->owner) != &model) {
        return PRO_TK_BAD_INPUTS;
    }
    return pathEndResolve(s, *path, end);
}

}  // namespace

extern "C" {

ProError ProIntfSliceFileExport(ProMdl model, ProFileName out_file_name,
                                ProImportExportFile file_type, double quality[2], ProMatrix transf,
                                ProAsmcomppath* comp_path) try {
    const int type = plainInt(file_type);
    SIMHOST_ENTER("ProIntfSliceFileExport", handleArg(model),
                  wideArg(out_file_name, PRO_FILE_NAME_SIZE), std::to_string(type));
    SIMHOST_SESSION(s);
    Model* found = modelOf(s, model);
    std::filesystem::path file;
    if (found == nullptr || !simhost::api::isSolid(*found) ||
        !simhost::api::exportPath(out_file_name, PRO_FILE_NAME_SIZE, file) ||
        (type != PRO_SLA_ASCII_FILE && type != PRO_SLA_BINARY_FILE) || quality == nullptr ||
        !std::isfinite(quality[0]) || quality[0] <= 0.0 ||
        (transf != nullptr && !usableMatrix(transf))) {
        return PRO_TK_BAD_INPUTS;
    }
    PathEnd end;
    if (ProError rc = sliceSource(*s, *found, comp_path, end)) {
        return rc;
    }
    std::vector<geo::PlacedSolid> solids;
    if (ProError rc = simhost::api::exportSolids(*s, *end.model, end.place, solids)) {
        return rc;
    }
    geo::TriangleMesh mesh;
    if (ProError rc = simhost::api::meshWithin(solids, quality[0], quality[1], &mesh)) {
        return rc;
    }
    const std::vector<Facet> facets = facetsMoved(mesh, transf != nullptr ? transf : kIdentity);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (type == PRO_SLA_ASCII_FILE) {
        stlAsciiWrite(facets, end.model->name, out);
    } else {
        stlBinaryWrite(facets, end.model->name, out);
    }
    out.flush();
    return out ? PRO_TK_NO_ERROR : PRO_TK_GENERAL_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
