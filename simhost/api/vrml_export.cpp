// VRML export: the model's solids triangulated with the host's default bounds, written as
// a VRML 2.0 file named by the caller or, for a directory, after the model.
#include <ProUtil.h>

#include <cctype>
#include <fstream>
#include <string>
#include <vector>

#include "simhost/api/export_args.h"
#include "simhost/api/mesh_quality.h"
#include "simhost/api/model_args.h"
#include "simhost/core/entry.h"
#include "simhost/state/mesh_files.h"

using namespace simhost::state;
using simhost::api::handleArg;
using simhost::api::modelOf;
using simhost::api::wideArg;
namespace geo = simhost::geometry;
namespace fs = std::filesystem;

namespace {

// The file of an output path: the path itself, or <model name>.wrl in it when it is a
// directory.
fs::path vrmlFile(const fs::path& output, const std::string& modelName) {
    std::error_code ec;
    if (!fs::is_directory(output, ec)) {
        return output;
    }
    std::string name = modelName;
    for (char& c : name) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return output / (name + ".wrl");
}

}  // namespace

extern "C" {

ProError ProExportVRML(ProBoolean direct, ProMdl model, ProPath input_file,
                       ProPath output_path) try {
    SIMHOST_ENTER("ProExportVRML", handleArg(model), wideArg(output_path, PRO_PATH_SIZE));
    SIMHOST_SESSION(s);
    // Converting a file instead of a model is not offered; with a model they are not read.
    (void)direct;
    (void)input_file;
    Model* found = modelOf(s, model);
    fs::path output;
    if (found == nullptr || !simhost::api::isSolid(*found) ||
        !simhost::api::exportPath(output_path, PRO_PATH_SIZE, output)) {
        return PRO_TK_BAD_INPUTS;
    }
    std::vector<geo::PlacedSolid> solids;
    if (ProError rc = simhost::api::exportSolids(*s, *found, geo::Placement{}, solids)) {
        return rc;
    }
    geo::TriangleMesh mesh;
    if (ProError rc = simhost::api::meshWithin(solids, 0.0, 0.0, &mesh)) {
        return rc;
    }
    std::ofstream out(vrmlFile(output, found->name), std::ios::trunc);
    vrmlWrite(mesh, found->name, out);
    out.flush();
    return out ? PRO_TK_NO_ERROR : PRO_TK_GENERAL_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
