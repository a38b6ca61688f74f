// Toolkit contract: layers of a model (model items of type PRO_LAYER), their display
// status and the items put on them.
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>

// A layer's display status.
typedef enum {
    PRO_LAYER_TYPE_NONE = -1,
    PRO_LAYER_TYPE_NORMAL = 1,
    PRO_LAYER_TYPE_DISPLAY = 2,
    PRO_LAYER_TYPE_BLANK = 3,
    PRO_LAYER_TYPE_HIDDEN = 5,
    PRO_LAYER_TYPE_SKIP = 6
} ProLayerDisplay;

// The type of an item on a layer; each equals the item's ProType.
typedef enum {
    PRO_LAYER_NONE = -1,
    PRO_LAYER_PART = 2,
    PRO_LAYER_FEAT = 3,
    PRO_LAYER_DIMENSION = 8,
    PRO_LAYER_SUB_ASSEMBLY = 34,
    PRO_LAYER_QUILT = 57,
    PRO_LAYER_CURVE = 62,
    PRO_LAYER_POINT = 66,
    PRO_LAYER_NOTE = 68,
    PRO_LAYER_BODY = 98,
    PRO_LAYER_LAYER = 117,
    PRO_LAYER_DATUM_PLANE = 176,
    PRO_LAYER_SOLID_GEOM = 622
} ProLayerType;

typedef enum { PRO_LAYITEM_FROM_MODEL = 0, PRO_LAYITEM_FROM_PATH = 1 } ProLayerItemOwnerType;

// Where a layer item lives: a model, or a component path.
typedef struct layer_item_owner {
    ProLayerItemOwnerType owner_type;
    union owner_union {
        ProMdl layitem_model;
        ProAsmcomppath layitem_path;
    } owner;
} ProLayerItemOwner;

typedef struct {
    ProLayerType type;
    int id;
    ProLayerItemOwner owner;
} ProLayerItem;

// Visit and filter of ProMdlLayerVisit. The filter's PRO_TK_CONTINUE skips the layer;
// the action's result other than PRO_TK_NO_ERROR ends the visit with that result.
typedef ProError (*ProLayerAction)(ProLayer* layer, ProAppData app_data);

PRO_BEGIN_C_DECLS
// A new layer of the model; PRO_TK_E_FOUND when the model has a layer of that name.
PRO_TK_EXPORT ProError ProLayerCreate(ProMdl owner, ProName layer_name, ProLayer* layer);
// Visits the model's layers in creation order; PRO_TK_E_NOT_FOUND when the action
// visited none.
PRO_TK_EXPORT ProError ProMdlLayerVisit(ProMdl model, ProLayerAction visit_action,
                                        ProLayerAction filter_action, ProAppData app_data);
PRO_TK_EXPORT ProError ProLayerDisplaystatusGet(ProLayer* layer, ProLayerDisplay* display_status);
PRO_TK_EXPORT ProError ProLayerDisplaystatusSet(ProLayer* layer, ProLayerDisplay display_status);
// Fills the record of an item owned by a model; the item need not exist yet.
PRO_TK_EXPORT ProError ProLayerItemInit(ProLayerType type, int id, ProMdl owner,
                                        ProLayerItem* item);
// Puts the item on the layer; the item must exist in its owner.
PRO_TK_EXPORT ProError ProLayerItemAdd(ProLayer* layer, ProLayerItem* layer_item);
PRO_END_C_DECLS
