// Writing a solid to a neutral 3D file in the frame of one of its coordinate systems:
// STEP (flat, or with the assembly's structure), IGES, and the ACIS stand-in
// (docs/interface-files.md).
#include <ProIntf3Dexport.h>

#include <cstddef>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "simhost/api/enum_args.h"
#include "simhost/api/export_args.h"
#include "simhost/api/model_args.h"
#include "simhost/api/output_options.h"
#include "simhost/core/entry.h"
#include "simhost/state/components.h"
#include "simhost/state/features.h"
#include "simhost/state/placed_solids.h"
#include "simhost/state/selections.h"

using namespace simhost::state;
using simhost::api::handleArg;
using simhost::api::modelOf;
using simhost::api::plainInt;
using simhost::api::wideArg;
namespace geo = simhost::geometry;
namespace fs = std::filesystem;

namespace {

// The first two lines of the ACIS stand-in; the kernel's text form of the solids follows.
constexpr const char* kAcisStandinHeader = "SIMHOST-ACIS-STANDIN 1\nunits mm\n";

// Where the selected coordinate system sits in the solid's frame. The selection names a
// coordinate system of the solid, or, through a component path whose root is the solid,
// one of the model at the path's end.
ProError referenceFrame(Session& s, Model& solid, ProSelection reference, geo::Placement& frame) {
    const Selection* selection = selectionFind(reference);
    if (selection == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    const ProModelitem& item = selection->data.item;
    if (item.type != PRO_CSYS) {
        return PRO_TK_E_NOT_FOUND;
    }
    Model* owner = &solid;
    geo::Placement ownerPlace;
    if (selection->data.path) {
        PathEnd end;
        if (modelOf(&s, selection->data.path->owner) != &solid ||
            pathEndResolve(s, *selection->data.path, end) != PRO_TK_NO_ERROR) {
            return PRO_TK_E_NOT_FOUND;
        }
        owner = end.model;
        ownerPlace = end.place;
    }
    if (modelOf(&s, item.owner) != owner) {
        return PRO_TK_E_NOT_FOUND;
    }
    const GeomItem* csys = features(*owner).item(item.id);
    if (csys == nullptr || csys->type != PRO_CSYS) {
        return PRO_TK_E_NOT_FOUND;
    }
    frame = geo::compose(ownerPlace, csys->place);
    return PRO_TK_NO_ERROR;
}

geo::ExportShape shapeOf(const pro_output_brep& brep) {
    if (brep.solid) {
        return geo::ExportShape::Solid;
    }
    return brep.surfaces || brep.quilts ? geo::ExportShape::Surfaces : geo::ExportShape::Wireframe;
}

// The assembly's structure in the export frame: one product per model (parts with
// solids, assemblies), each assembly product holding its components' instances. An
// assembly used several times is described once, from its first place.
class Structure {
public:
    Structure(Session& s, Model& top, const geo::Placement& toFrame)
        : session_(s), top_(top), toFrame_(toFrame) {
        out_.products.push_back({top.name, {}, {}});
        product_.emplace(&top, 0);
    }

    geo::ExportAssembly build() {
        for (const PlacedPart& placed : placedParts(session_, top_)) {
            if (partSolidIds(*placed.part).empty()) {
                continue;
            }
            std::size_t holder = 0;
            geo::Placement holderPlace;
            bool described = true;  // the holder's children are written from this place
            for (std::size_t depth = 1; depth <= placed.ids.size(); ++depth) {
                Model* model = placed.part;
                geo::Placement place = placed.placement;
                if (depth < placed.ids.size() &&
                    componentPathResolve(session_, top_, placed.ids.data(), static_cast<int>(depth),
                                         &model, &place) != PRO_TK_NO_ERROR) {
                    break;  // not met: the path came from the same components
                }
                const std::vector<int> path(
                    placed.ids.begin(), placed.ids.begin() + static_cast<std::ptrdiff_t>(depth));
                const std::size_t product = productOf(*model, path);
                if (described && written_.insert(path).second) {
                    geo::Placement relative = geo::compose(placementInverse(holderPlace), place);
                    if (holder == 0) {
                        relative = geo::compose(toFrame_, relative);
                    }
                    out_.products[holder].children.push_back({product, relative});
                }
                described = described && firstPath_[model] == path;
                holder = product;
                holderPlace = place;
            }
        }
        return out_;
    }

private:
    std::vector<int> partSolidIds(Model& part) {
        std::vector<int> ids;
        for (const geo::PlacedSolid& solid : modelSolidsPlaced(session_, part, {})) {
            ids.push_back(solid.solid);
        }
        return ids;
    }

    std::size_t productOf(Model& model, const std::vector<int>& path) {
        auto found = product_.find(&model);
        if (found != product_.end()) {
            return found->second;
        }
        geo::ExportProduct product;
        product.name = model.name;
        if (model.type == kPart) {
            product.solids = partSolidIds(model);
        }
        firstPath_.emplace(&model, path);
        out_.products.push_back(product);
        return product_.emplace(&model, out_.products.size() - 1).first->second;
    }

    Session& session_;
    Model& top_;
    geo::Placement toFrame_;
    geo::ExportAssembly out_;
    std::map<const Model*, std::size_t> product_;
    std::map<const Model*, std::vector<int>> firstPath_;
    std::set<std::vector<int>> written_;
};

ProError acisStandinWrite(const std::vector<geo::PlacedSolid>& solids, const fs::path& file) {
    std::string text;
    if (ProError rc = geo::solidsBrepText(solids, &text)) {
        return rc;
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << kAcisStandinHeader << text;
    out.flush();
    return out ? PRO_TK_NO_ERROR : PRO_TK_GENERAL_ERROR;
}

}  // namespace

extern "C" {

ProError ProIntf3DFileWrite(ProSolid solid, ProIntf3DExportType file_type, ProPath output_file,
                            ProOutputAssemblyConfiguration configuration,
                            ProSelection reference_csys,
                            ProOutputBrepRepresentation brep_representation,
                            ProOutputInclusion inclusion, ProOutputLayerOptions layer_options) try {
    const int type = plainInt(file_type);
    const int config = plainInt(configuration);
    SIMHOST_ENTER("ProIntf3DFileWrite", handleArg(solid), std::to_string(type),
                  wideArg(output_file, PRO_PATH_SIZE), std::to_string(config));
    SIMHOST_SESSION(s);
    Model* model = modelOf(s, solid);
    const pro_output_brep* brep = simhost::api::outputBrepFind(brep_representation);
    fs::path file;
    if (model == nullptr || !simhost::api::isSolid(*model) ||
        !simhost::api::exportPath(output_file, PRO_PATH_SIZE, file) || brep == nullptr ||
        simhost::api::outputInclusionFind(inclusion) == nullptr ||
        simhost::api::outputLayersFind(layer_options) == nullptr || reference_csys == nullptr ||
        type < PRO_INTF_EXPORT_STEP || type > PRO_INTF_EXPORT_3MF ||
        config < PRO_OUTPUT_ASSEMBLY_FLAT_FILE || config > PRO_OUTPUT_ASSEMBLY_PARTS) {
        return PRO_TK_BAD_INPUTS;
    }
    geo::Placement frame;
    if (ProError rc = referenceFrame(*s, *model, reference_csys, frame)) {
        return rc;
    }
    const bool assembly = model->type != kPart;
    if ((type != PRO_INTF_EXPORT_STEP && type != PRO_INTF_EXPORT_IGES &&
         type != PRO_INTF_EXPORT_SAT) ||
        (assembly && config > PRO_OUTPUT_ASSEMBLY_SINGLE_FILE)) {
        return PRO_TK_UNSUPPORTED;
    }
    // A point p of the model is written as A^-1 p, A the coordinate system's placement.
    const geo::Placement toFrame = placementInverse(frame);
    std::vector<geo::PlacedSolid> solids;
    if (ProError rc = simhost::api::exportSolids(*s, *model, toFrame, solids)) {
        return rc;
    }
    const geo::ExportShape shape = shapeOf(*brep);
    ProError rc = PRO_TK_NO_ERROR;
    if (type == PRO_INTF_EXPORT_STEP && assembly && config == PRO_OUTPUT_ASSEMBLY_SINGLE_FILE) {
        rc = geo::assemblyStepExport(Structure(*s, *model, toFrame).build(), shape, file);
    } else if (type == PRO_INTF_EXPORT_STEP) {
        rc = geo::solidsStepExport(solids, model->name, shape, file);
    } else if (type == PRO_INTF_EXPORT_IGES) {
        rc = geo::solidsIgesExport(solids, shape, file);
    } else {
        rc = acisStandinWrite(solids, file);
    }
    return simhost::api::exportWriteCode(rc);
}
SIMHOST_CATCH

}  // extern "C"
