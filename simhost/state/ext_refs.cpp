// The scan for external references and the table of handed-out references.
#include "simhost/state/ext_refs.h"

#include <memory>

#include "simhost/state/features.h"
#include "simhost/state/handles.h"
#include "simhost/state/models.h"

namespace simhost::state {

namespace {

HandleTable<ExtRef, 7>& table() {
    static HandleTable<ExtRef, 7> refs;
    return refs;
}

// The feature of the referenced model that the selected item belongs to, 0 for none.
int referencedFeature(Model& model, const ProModelitem& item) {
    if (item.type == PRO_FEATURE) {
        return featureFind(model, item.id) != nullptr ? item.id : 0;
    }
    const GeomItem* geom = features(model).item(item.id);
    return geom != nullptr && geom->type == item.type ? geom->featureId : 0;
}

// Calls `found` with the path of every selection in the tree that goes through
// components to the feature `id` of `target`.
template <typename Found>
void scanTree(ModelStore& models, const TreeNode& root, Model& target, int id, Found found) {
    std::vector<const TreeNode*> pending{&root};
    while (!pending.empty()) {
        const TreeNode* node = pending.back();
        pending.pop_back();
        for (const ValueContent& value : node->values) {
            if (value.type != PRO_VALUE_TYPE_SELECTION || !value.r || !value.r->path ||
                value.r->path->table_num <= 0) {
                continue;
            }
            if (models.byHandle(value.r->item.owner) != &target) {
                continue;
            }
            if (referencedFeature(target, value.r->item) == id) {
                found(*value.r->path);
            }
        }
        for (auto child = node->children.rbegin(); child != node->children.rend(); ++child) {
            pending.push_back(&*child);
        }
    }
}

}  // namespace

std::vector<ExtRef> externalReferences(Session& session, const void* owner, int id) {
    ModelStore& models = session.area<ModelStore>();
    Model* target = models.byHandle(owner);
    std::vector<ExtRef> out;
    if (target == nullptr) {
        return out;
    }
    for (Model* model : models.list()) {
        FeatureStore& store = features(*model);
        for (int featureId : store.order()) {
            const Feature* feature = store.find(featureId);
            scanTree(models, feature->tree, *target, id, [&](const ProAsmcomppath& path) {
                ExtRef ref;
                ref.feature.type = PRO_FEATURE;
                ref.feature.id = featureId;
                ref.feature.owner = modelHandle(model->id);
                ref.ownPath.owner = static_cast<ProSolid>(modelHandle(model->id));
                ref.ownPath.table_num = 0;
                ref.ownPath.comp_id_table[0] = -1;
                ref.refPath = path;
                out.push_back(ref);
            });
        }
    }
    return out;
}

std::uintptr_t extRefAdd(const ExtRef& ref) {
    return table().add(std::make_unique<ExtRef>(ref));
}

const ExtRef* extRefFind(const void* handle) {
    return table().find(handle);
}

void extRefErase(const void* handle) {
    table().erase(reinterpret_cast<std::uintptr_t>(handle));
}

}  // namespace simhost::state
