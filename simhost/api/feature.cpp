// Features: creation and redefinition from element trees, the kept tree, status, type,
// position and NC-sequence test.
#include <ProFeature.h>
#include <ProNcseq.h>

#include <string>
#include <vector>

#include "simhost/api/feature_args.h"
#include "simhost/core/entry.h"
#include "simhost/state/feature_hooks.h"
#include "simhost/state/feature_trees.h"
#include "simhost/state/features.h"
#include "simhost/state/modelitems.h"
#include "simhost/state/selections.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::createOptionsValid;
using simhost::api::errorsReport;
using simhost::api::featureArg;
using simhost::api::featureHandle;
using simhost::api::featureOf;
using simhost::api::isSolid;
using simhost::api::modelOf;

namespace {

std::string selectionArg(ProSelection selection) {
    const Selection* found = selectionFind(selection);
    return found != nullptr ? featureArg(&found->data.item) : "null";
}

// The snapshot of a caller's feature tree; false for a tree that is not live or does
// not start with the feature-tree element.
bool treeOf(ProElement elemtree, TreeNode& out) {
    const Element* root = elementFind(elemtree);
    if (root == nullptr || root->id != kElemFeatureTree) {
        return false;
    }
    out = treeSnapshot(*root);
    return true;
}

bool optionGiven(const ProFeatureCreateOptions* options, int count, int wanted) {
    for (int i = 0; i < count; ++i) {
        if (static_cast<int>(options[i]) == wanted) {
            return true;
        }
    }
    return false;
}

ProItemerror elementError(int elementId, ProError error) {
    ProItemerror e;
    e.err_item_id = elementId;
    e.err_item_type = PRO_ERRITEM_FEATELEM;
    e.error = error;
    return e;
}

// The tree's name for a feature: appends an error for an invalid name or one another
// feature of the model has.
std::string nameOf(const TreeNode& tree, FeatureStore& store, int self,
                   std::vector<ProItemerror>& errors) {
    std::string name;
    switch (featureTreeName(tree, name)) {
        case TreeName::None:
            return std::string();
        case TreeName::Invalid:
            errors.push_back(elementError(kElemFeatureName, PRO_TK_BAD_INPUTS));
            return std::string();
        case TreeName::Valid:
            break;
    }
    const Feature* holder = store.byName(name);
    if (holder != nullptr && holder->id != self) {
        errors.push_back(elementError(kElemFeatureName, PRO_TK_E_FOUND));
    }
    return name;
}

}  // namespace

extern "C" {

ProError ProFeatureCreate(ProSelection model, ProElement elemtree,
                          ProFeatureCreateOptions options[], int num_opts, ProFeature* p_feature,
                          ProErrorlist* p_errors) try {
    SIMHOST_ENTER("ProFeatureCreate", selectionArg(model), std::to_string(num_opts));
    SIMHOST_SESSION(s);
    const Selection* selection = selectionFind(model);
    TreeNode tree;
    if (selection == nullptr || p_feature == nullptr || !createOptionsValid(options, num_opts) ||
        !treeOf(elemtree, tree)) {
        return PRO_TK_BAD_INPUTS;
    }
    // The selection names the solid itself (a manufacturing model also as its assembly).
    const ProModelitem& item = selection->data.item;
    Model* m = modelOf(s, item.owner);
    if (m == nullptr || !isSolid(*m) || !itemIsModel(*m, item.type, item.id)) {
        return PRO_TK_BAD_INPUTS;
    }
    FeatureStore& store = features(*m);
    std::vector<ProItemerror> errors;
    std::optional<int> type = featureTreeType(tree);
    if (!type) {
        errors.push_back(elementError(kElemFeatureType, PRO_TK_E_NOT_FOUND));
    }
    std::string name = nameOf(tree, store, 0, errors);
    if (type && name.empty()) {
        name = featureDefaultName(*m, *type);
    }
    FeatureCreateIncomplete incomplete(optionGiven(options, num_opts, PRO_FEAT_CR_INCOMPLETE_FEAT));
    if (type && errors.empty()) {
        if (std::optional<TreeFault> fault = featureCreateCheck(*m, *type, tree)) {
            errors.push_back(elementError(fault->elementId, fault->code));
        }
    }
    if (!errors.empty()) {
        errorsReport(s, p_errors, std::move(errors));
        return PRO_TK_GENERAL_ERROR;
    }
    Feature* feature = store.add(*type, std::move(tree), name);
    if (feature == nullptr) {
        // The model has handed out its last id.
        errorsReport(s, p_errors, {});
        return PRO_TK_MAX_LIMIT_REACHED;
    }
    featureCreateHooksRun(*m, *feature);
    m->touch();
    *p_feature = featureHandle(*m, feature->id);
    errorsReport(s, p_errors, {});
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProFeatureRedefine(ProAsmcomppath* comp_path, ProFeature* feature, ProElement elemtree,
                            ProFeatureCreateOptions options[], int num_opts,
                            ProErrorlist* p_errors) try {
    SIMHOST_ENTER("ProFeatureRedefine", featureArg(feature), std::to_string(num_opts));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    Feature* f = nullptr;
    if (ProError rc = featureOf(s, feature, m, f)) {
        return rc;
    }
    TreeNode tree;
    if ((comp_path != nullptr &&
         (comp_path->table_num < 0 || comp_path->table_num > PRO_MAX_ASSEM_LEVEL)) ||
        !createOptionsValid(options, num_opts) || !treeOf(elemtree, tree)) {
        return PRO_TK_BAD_INPUTS;
    }
    // A redefinition keeps the feature's type; a tree without a type element keeps it.
    FeatureStore& store = features(*m);
    std::vector<ProItemerror> errors;
    std::optional<int> type = featureTreeType(tree);
    if (type && *type != f->type) {
        errors.push_back(elementError(kElemFeatureType, PRO_TK_BAD_INPUTS));
    }
    std::string name = nameOf(tree, store, f->id, errors);
    if (!errors.empty()) {
        errorsReport(s, p_errors, std::move(errors));
        return PRO_TK_GENERAL_ERROR;
    }
    if (ProError rc = featureRedefineCheck(*m, f->type, tree)) {
        errorsReport(s, p_errors, {});
        return rc;
    }
    if (!name.empty()) {
        store.rename(*f, name);
    }
    f->tree = std::move(tree);
    featureRedefineHooksRun(*m, *f);
    m->touch();
    errorsReport(s, p_errors, {});
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProFeatureElemtreeCreate(ProFeature* feature, ProElement* p_elem) try {
    SIMHOST_ENTER("ProFeatureElemtreeCreate", featureArg(feature));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    Feature* f = nullptr;
    if (ProError rc = featureOf(s, feature, m, f)) {
        return rc;
    }
    if (p_elem == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *p_elem = treeInstantiate(f->tree);
    featureElemtreeHooksRun(*m, *f, *p_elem);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProFeatureInit(ProSolid p_owner_handle, int feat_id, ProFeature* p_feat_handle) try {
    SIMHOST_ENTER("ProFeatureInit", simhost::api::handleArg(p_owner_handle),
                  std::to_string(feat_id));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, p_owner_handle);
    if (m == nullptr || !isSolid(*m) || p_feat_handle == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (featureFind(*m, feat_id) == nullptr) {
        return PRO_TK_E_NOT_FOUND;
    }
    *p_feat_handle = featureHandle(*m, feat_id);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProFeatureStatusGet(ProFeature* p_feat_handle, ProFeatStatus* p_status) try {
    SIMHOST_ENTER("ProFeatureStatusGet", featureArg(p_feat_handle));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    Feature* f = nullptr;
    if (ProError rc = featureOf(s, p_feat_handle, m, f)) {
        return rc;
    }
    if (p_status == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *p_status = static_cast<ProFeatStatus>(f->status);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProFeatureTypeGet(ProFeature* p_feat_handle, ProFeattype* p_type) try {
    SIMHOST_ENTER("ProFeatureTypeGet", featureArg(p_feat_handle));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    Feature* f = nullptr;
    if (ProError rc = featureOf(s, p_feat_handle, m, f)) {
        return rc;
    }
    if (p_type == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *p_type = f->type;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProFeatureNumberGet(ProFeature* p_feat_handle, int* r_feat_num) try {
    SIMHOST_ENTER("ProFeatureNumberGet", featureArg(p_feat_handle));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    Feature* f = nullptr;
    if (ProError rc = featureOf(s, p_feat_handle, m, f)) {
        return rc;
    }
    if (r_feat_num == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *r_feat_num = features(*m).number(f->id);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProFeatureIsNcseq(const ProFeature* feat, ProBoolean* p_is_ncseq) try {
    SIMHOST_ENTER("ProFeatureIsNcseq", featureArg(feat));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    Feature* f = nullptr;
    if (ProError rc = featureOf(s, feat, m, f)) {
        return rc;
    }
    if (p_is_ncseq == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *p_is_ncseq = f->ncseq ? PRO_B_TRUE : PRO_B_FALSE;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProFeatureElemValueGet(ProFeature* feature, ProElempath elempath,
                                ProValue* p_elemvalue) try {
    SIMHOST_ENTER("ProFeatureElemValueGet", featureArg(feature));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    Feature* f = nullptr;
    if (ProError rc = featureOf(s, feature, m, f)) {
        return rc;
    }
    const Path* path = elempath != nullptr ? pathFind(elempath) : nullptr;
    if (p_elemvalue == nullptr || (elempath != nullptr && path == nullptr)) {
        return PRO_TK_BAD_INPUTS;
    }
    const TreeNode* node =
        treeNodeResolve(f->tree, path != nullptr ? path->items : std::vector<ProElempathItem>{});
    if (node == nullptr) {
        return PRO_TK_E_NOT_FOUND;
    }
    // Compound, array and multi-valued elements have no single value.
    if (node->kind != ElementKind::Plain || node->multival) {
        return PRO_TK_INVALID_TYPE;
    }
    if (node->values.empty()) {
        return PRO_TK_E_NOT_FOUND;
    }
    *p_elemvalue = valueCreate(node->values.front());
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
