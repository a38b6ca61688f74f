// Features and the geometry items they own as model items: found by id and by name,
// named and renamed.
#include <ProObjects.h>

#include "simhost/state/features.h"
#include "simhost/state/modelitems.h"

namespace simhost::state {

namespace {

// The kept tree's feature-name element follows a rename, so that the tree handed out
// again names the feature as the host does.
void treeNameSet(TreeNode& tree, const std::string& name) {
    for (TreeNode& child : tree.children) {
        if (child.id == kElemFeatureName && child.kind == ElementKind::Plain && !child.multival) {
            ValueContent value;
            value.type = PRO_VALUE_TYPE_WSTRING;
            value.w = std::wstring(name.begin(), name.end());
            child.values.assign(1, value);
            return;
        }
    }
}

ProError featureRename(Model& model, Feature& feature, const std::string& name) {
    if (!features(model).rename(feature, name)) {
        return PRO_TK_E_FOUND;
    }
    treeNameSet(feature.tree, name);
    return PRO_TK_NO_ERROR;
}

ModelitemKind featureKind() {
    ModelitemKind kind;
    kind.exists = [](Model& model, int id) { return featureFind(model, id) != nullptr; };
    kind.nameGet = [](Model& model, int id) -> std::optional<std::string> {
        const Feature* feature = featureFind(model, id);
        if (feature == nullptr || feature->name.empty()) {
            return std::nullopt;
        }
        return feature->name;
    };
    kind.nameSet = [](Model& model, int id, const std::string& name) -> ProError {
        Feature* feature = featureFind(model, id);
        if (feature == nullptr) {
            return PRO_TK_E_NOT_FOUND;
        }
        return featureRename(model, *feature, name);
    };
    kind.byName = [](Model& model, const std::string& name) {
        const Feature* feature = features(model).byName(name);
        return feature != nullptr ? feature->id : 0;
    };
    return kind;
}

ModelitemKind geomKind(int type) {
    ModelitemKind kind;
    kind.exists = [type](Model& model, int id) {
        const GeomItem* item = features(model).item(id);
        return item != nullptr && item->type == type;
    };
    kind.nameGet = [type](Model& model, int id) -> std::optional<std::string> {
        FeatureStore& store = features(model);
        const GeomItem* item = store.item(id);
        if (item == nullptr || item->type != type) {
            return std::nullopt;
        }
        std::string name = store.itemName(*item);
        return name.empty() ? std::nullopt : std::optional<std::string>(name);
    };
    kind.nameSet = [type](Model& model, int id, const std::string& name) -> ProError {
        FeatureStore& store = features(model);
        GeomItem* item = store.item(id);
        if (item == nullptr || item->type != type) {
            return PRO_TK_E_NOT_FOUND;
        }
        const GeomItem* holder = store.itemByName(type, name);
        if (holder != nullptr && holder != item) {
            return PRO_TK_E_FOUND;
        }
        // A coordinate system and the feature that makes it are one name: renaming
        // either renames both.
        Feature* feature = store.find(item->featureId);
        if (type == PRO_CSYS && feature != nullptr && feature->type == kFeatCsys) {
            if (ProError rc = featureRename(model, *feature, name)) {
                return rc;
            }
            item->name.clear();
            return PRO_TK_NO_ERROR;
        }
        item->name = name;
        return PRO_TK_NO_ERROR;
    };
    kind.byName = [type](Model& model, const std::string& name) {
        const GeomItem* item = features(model).itemByName(type, name);
        return item != nullptr ? item->id : 0;
    };
    return kind;
}

const bool registered = [] {
    modelitemKindAdd(PRO_FEATURE, featureKind());
    for (int type : {PRO_SURFACE, PRO_EDGE, PRO_AXIS, PRO_CSYS, PRO_QUILT, PRO_CURVE, PRO_POINT,
                     PRO_DATUM_PLANE, PRO_COMP_CRV}) {
        modelitemKindAdd(type, geomKind(type));
    }
    return true;
}();

}  // namespace

}  // namespace simhost::state
