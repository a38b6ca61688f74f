// Import features: curves handed over in memory become curve items of a new feature,
// placed in the frame of a coordinate system of the solid.
#include <ProImportfeat.h>

#include <cstring>
#include <string>
#include <vector>

#include "simhost/api/feature_args.h"
#include "simhost/api/geom_args.h"
#include "simhost/api/intf_data.h"
#include "simhost/core/entry.h"
#include "simhost/state/curves.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::geomArg;
using simhost::api::handleArg;

namespace {

// The tree the host keeps for an import feature: its type and name.
TreeNode importTree(const std::string& name) {
    TreeNode root;
    root.id = kElemFeatureTree;
    root.kind = ElementKind::Compound;
    TreeNode type;
    type.id = kElemFeatureType;
    ValueContent typeValue;
    typeValue.type = PRO_VALUE_TYPE_INT;
    typeValue.i = kFeatImport;
    type.values.push_back(typeValue);
    root.children.push_back(std::move(type));
    if (!name.empty()) {
        TreeNode nameNode;
        nameNode.id = kElemFeatureName;
        ValueContent nameValue;
        nameValue.type = PRO_VALUE_TYPE_WSTRING;
        nameValue.w = std::wstring(name.begin(), name.end());
        nameNode.values.push_back(nameValue);
        root.children.push_back(std::move(nameNode));
    }
    return root;
}

// The source's kind read as a plain int: a value outside the enumeration is not loaded
// as an enumerator.
int sourceType(const ProIntfDataSource& source) {
    int type = 0;
    std::memcpy(&type, &source.intf_type, sizeof type);
    return type;
}

}  // namespace

extern "C" {

ProError ProImportfeatCreate(ProSolid p_solid, ProIntfDataSource* data_source, ProCsys p_csys,
                             ProImportfeatAttr* /*p_attributes*/, ProFeature* p_feat_handle) try {
    SIMHOST_ENTER("ProImportfeatCreate", handleArg(p_solid), geomArg(p_csys));
    SIMHOST_SESSION(s);
    if (p_solid == nullptr || data_source == nullptr || p_csys == nullptr ||
        p_feat_handle == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    const int type = sourceType(*data_source);
    if (type > PRO_INTF_NEUTRAL && type <= PRO_INTF_PARASOLID) {
        return PRO_TK_UNSUPPORTED;
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
    Feature* feature = store.add(kFeatImport, importTree(name), name);
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
