// Model items by id and by name, their names; geometry items to their features.
#include <ProGeomitem.h>
#include <ProModelitem.h>

#include <string>

#include "simhost/api/feature_args.h"
#include "simhost/core/entry.h"
#include "simhost/core/wide.h"
#include "simhost/state/features.h"
#include "simhost/state/modelitems.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::featureArg;
using simhost::api::featureHandle;
using simhost::api::handleArg;
using simhost::api::modelOf;
using simhost::api::wideArg;
using simhost::api::wideText;

namespace {

// The model and kind of an item handle: PRO_TK_NO_ERROR, PRO_TK_BAD_INPUTS or PRO_TK_E_NOT_FOUND
// (no area keeps the type, or the item is gone).
ProError itemOf(Session* s, const ProModelitem* item, Model*& model, const ModelitemKind*& kind) {
    if (item == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    model = modelOf(s, item->owner);
    if (model == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    kind = modelitemKind(item->type);
    if (kind == nullptr || !kind->exists(*model, item->id)) {
        return PRO_TK_E_NOT_FOUND;
    }
    return PRO_TK_NO_ERROR;
}

}  // namespace

extern "C" {

ProError ProModelitemInit(ProMdl p_owner_handle, int item_id, ProType item_type,
                          ProModelitem* p_handle) try {
    SIMHOST_ENTER("ProModelitemInit", handleArg(p_owner_handle), std::to_string(item_id),
                  std::to_string(item_type));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, p_owner_handle);
    if (m == nullptr || p_handle == nullptr || item_type <= 0) {
        return PRO_TK_BAD_INPUTS;
    }
    const ModelitemKind* kind = modelitemKind(item_type);
    if (kind == nullptr || !kind->exists(*m, item_id)) {
        return PRO_TK_E_NOT_FOUND;
    }
    p_handle->type = item_type;
    p_handle->id = item_id;
    p_handle->owner = p_owner_handle;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProModelitemByNameInit(ProMdl mdl, ProType type, ProName name, ProModelitem* p_item) try {
    SIMHOST_ENTER("ProModelitemByNameInit", handleArg(mdl), std::to_string(type),
                  wideArg(name, PRO_NAME_SIZE));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, mdl);
    std::string text;
    if (m == nullptr || p_item == nullptr || type <= 0 || !wideText(name, PRO_NAME_SIZE, text)) {
        return PRO_TK_BAD_INPUTS;
    }
    const ModelitemKind* kind = modelitemKind(type);
    int id = kind != nullptr && !text.empty() ? kind->byName(*m, upperName(text)) : 0;
    if (id == 0) {
        return PRO_TK_E_NOT_FOUND;
    }
    p_item->type = type;
    p_item->id = id;
    p_item->owner = mdl;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProModelitemNameGet(ProModelitem* p_item, ProName name) try {
    SIMHOST_ENTER("ProModelitemNameGet", featureArg(p_item),
                  std::to_string(p_item != nullptr ? p_item->type : 0));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    const ModelitemKind* kind = nullptr;
    if (name == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = itemOf(s, p_item, m, kind)) {
        return rc;
    }
    std::optional<std::string> text = kind->nameGet(*m, p_item->id);
    if (!text) {
        return PRO_TK_E_NOT_FOUND;
    }
    copyWide(name, PRO_NAME_SIZE, widen(*text));
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProModelitemNameSet(ProModelitem* p_item, ProName name) try {
    SIMHOST_ENTER("ProModelitemNameSet", featureArg(p_item),
                  std::to_string(p_item != nullptr ? p_item->type : 0),
                  wideArg(name, PRO_NAME_SIZE));
    SIMHOST_SESSION(s);
    Model* m = nullptr;
    const ModelitemKind* kind = nullptr;
    std::string text;
    if (!wideText(name, PRO_NAME_SIZE, text) || !modelNameValid(text)) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = itemOf(s, p_item, m, kind)) {
        return rc;
    }
    ProError rc = kind->nameSet(*m, p_item->id, upperName(text));
    if (rc == PRO_TK_NO_ERROR) {
        m->touch();
    }
    return rc;
}
SIMHOST_CATCH

ProError ProGeomitemFeatureGet(ProGeomitem* p_geom_item, ProFeature* p_feat_handle) try {
    SIMHOST_ENTER("ProGeomitemFeatureGet", featureArg(p_geom_item));
    SIMHOST_SESSION(s);
    if (p_geom_item == nullptr || p_feat_handle == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    Model* m = modelOf(s, p_geom_item->owner);
    if (m == nullptr || !simhost::api::isSolid(*m)) {
        return PRO_TK_BAD_INPUTS;
    }
    const GeomItem* item = features(*m).item(p_geom_item->id);
    if (item == nullptr || item->type != p_geom_item->type) {
        return PRO_TK_E_NOT_FOUND;
    }
    *p_feat_handle = featureHandle(*m, item->featureId);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
