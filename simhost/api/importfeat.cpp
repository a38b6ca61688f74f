// Import features: curves handed over in memory become curve items of a new feature,
// placed in the frame of a coordinate system of the solid; the solids of a STEP or ACIS
// stand-in file become the solid of a new feature of a part, placed likewise.
#include <ProImportfeat.h>

#include <cstring>
#include <string>
#include <vector>

#include "simhost/api/enum_args.h"
#include "simhost/api/feature_args.h"
#include "simhost/api/geom_args.h"
#include "simhost/api/intf_data.h"
#include "simhost/api/path_args.h"
#include "simhost/core/entry.h"
#include "simhost/geometry/kernel_import.h"
#include "simhost/state/curves.h"
#include "simhost/state/imported_solids.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::geomArg;
using simhost::api::handleArg;
using simhost::api::plainInt;

namespace {

// The source's kind read as a plain int: a value outside the enumeration is not loaded
// as an enumerator.
int sourceType(const ProIntfDataSource& source) {
    return plainInt(source.intf_type);
}

// The file's solids as an import feature of the part, placed in the frame `frame`.
ProError fileImport(Session& s, Model& model, const ProIntfDataSource& source, int type,
                    const simhost::geometry::Placement& frame, ProFeature* out) {
    namespace geo = simhost::geometry;
    std::filesystem::path file;
    if (!simhost::api::pathArg(s, source.choice.filename, file)) {
        return PRO_TK_BAD_INPUTS;
    }
    if (model.type != kPart) {
        return PRO_TK_BAD_CONTEXT;
    }
    if (ProError rc = simhost::api::fileReadable(file)) {
        return rc;
    }
    const geo::SolidFileKind kind =
        type == PRO_INTF_STEP ? geo::SolidFileKind::Step : geo::SolidFileKind::AcisStandin;
    int read = 0;
    if (ProError rc = geo::solidFileRead(file, kind, &read)) {
        return rc;
    }
    int placed = 0;
    ProError rc = geo::solidPlacedCopy({read, frame}, &placed);
    geo::solidFree(read);
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    Feature* feature = nullptr;
    if (ProError added = importSolidFeatureAdd(model, placed, &feature)) {
        return added;
    }
    *out = simhost::api::featureHandle(model, feature->id);
    return PRO_TK_NO_ERROR;
}

}  // namespace

extern "C" {

ProError ProImportfeatCreate(ProSolid p_solid, ProIntfDataSource* data_source, ProCsys p_csys,
                             ProImportfeatAttr* /*p_attributes*/, ProFeature* p_feat_handle) try {
    SIMHOST_ENTER("ProImportfeatCreate", handleArg(p_solid), geomArg(p_csys));
    SIMHOST_SESSION(s);
    if (p_solid == nullptr || data_source == nullptr || p_feat_handle == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    const int type = sourceType(*data_source);
    if (type == PRO_INTF_STEP || type == PRO_INTF_ACIS) {
        Model* target = simhost::api::modelOf(s, p_solid);
        simhost::geometry::Placement frame;
        if (target == nullptr || !simhost::api::isSolid(*target)) {
            return PRO_TK_BAD_INPUTS;
        }
        if (p_csys != nullptr) {
            Model* csysModel = nullptr;
            GeomItem* csys = nullptr;
            if (simhost::api::geomOf(s, p_csys, PRO_CSYS, csysModel, csys) != PRO_TK_NO_ERROR ||
                csysModel != target) {
                return PRO_TK_BAD_INPUTS;
            }
            frame = csys->place;
        }
        return fileImport(*s, *target, *data_source, type, frame, p_feat_handle);
    }
    if (type > PRO_INTF_NEUTRAL && type <= PRO_INTF_PARASOLID) {
        return PRO_TK_UNSUPPORTED;
    }
    if (p_csys == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    const ProIntfData* data = type == PRO_INTF_NEUTRAL
                                  ? simhost::api::intfDataLive(data_source->choice.p_pro_intf_data)
                                  : nullptr;
    Model* model = simhost::api::modelOf(s, p_solid);
    Model* csysModel = nullptr;
    GeomItem* csys = nullptr;
    if (data == nullptr || data->curves.empty() || model == nullptr ||
        !simhost::api::isSolid(*model) ||
        simhost::api::geomOf(s, p_csys, PRO_CSYS, csysModel, csys) != PRO_TK_NO_ERROR ||
        csysModel != model) {
        return PRO_TK_BAD_INPUTS;
    }
    std::vector<CurveGeometry> placed;
    placed.reserve(data->curves.size());
    for (const CurveGeometry& curve : data->curves) {
        placed.push_back(curvePlaced(curve, csys->place));
        if (!curveGeometryValid(placed.back())) {
            return PRO_TK_BAD_INPUTS;
        }
    }
    FeatureStore& store = features(*model);
    const std::string name = featureDefaultName(*model, kFeatImport);
    if (store.nextId() + static_cast<long long>(placed.size()) > kIdMax) {
        return PRO_TK_MAX_LIMIT_REACHED;
    }
    Feature* feature = store.add(kFeatImport, importFeatureTree(name), name);
    if (feature == nullptr) {
        return PRO_TK_MAX_LIMIT_REACHED;
    }
    if (ProError rc = curvesAdd(*model, *feature, placed)) {
        store.erase({feature->id});
        return rc;
    }
    featureCreateHooksRun(*model, *feature);
    model->touch();
    *p_feat_handle = simhost::api::featureHandle(*model, feature->id);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
