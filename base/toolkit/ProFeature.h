// Toolkit contract: features of solids: creation and redefinition from element trees,
// status, type, deletion, parents and children.
#pragma once

#include <ProElement.h>
#include <ProElempath.h>
#include <ProItemerr.h>
#include <ProNcseq.h>
#include <ProObjects.h>
#include <ProSelection.h>
#include <ProToolkit.h>
#include <ProValue.h>

// The host's feature-type number.
typedef int ProFeattype;

typedef ProError (*ProGeomitemAction)(ProGeomitem* p_handle, ProError status, ProAppData app_data);
typedef ProError (*ProGeomitemFilter)(ProGeomitem* p_handle, ProAppData app_data);

typedef enum {
    PRO_FEAT_INVALID = -1,
    PRO_FEAT_ACTIVE = 0,
    PRO_FEAT_INACTIVE = 1,
    PRO_FEAT_FAMTAB_SUPPRESSED = 2,
    PRO_FEAT_SIMP_REP_SUPPRESSED = 3,
    PRO_FEAT_PROG_SUPPRESSED = 4,
    PRO_FEAT_SUPPRESSED = 5,
    PRO_FEAT_UNREGENERATED = 6
} ProFeatStatus;

typedef enum {
    PRO_FEAT_CR_NO_OPTS = 0,
    PRO_FEAT_CR_DEFINE_MISS_ELEMS = 1,
    PRO_FEAT_CR_INCOMPLETE_FEAT = 2,
    PRO_FEAT_CR_FIX_MODEL_ON_FAIL = 3,
    PRO_FEAT_CR_DO_NOT_DISPLAY = 4,
    PRO_FEAT_CR_CALLED_FROM_TK = 5,
    PRO_FEAT_CR_UNDO_IF_FAIL = 6,
    PRO_FEAT_CR_ALLOW_CONFIRM = 7
} ProFeatureCreateOptions;

typedef enum {
    PRO_FEAT_DELETE_NO_OPTS = 0,
    PRO_FEAT_DELETE_CLIP = 1,
    PRO_FEAT_DELETE_FIX = 2,
    PRO_FEAT_DELETE_RELATION_DELETE = 3,
    PRO_FEAT_DELETE_RELATION_COMMENT = 4,
    PRO_FEAT_DELETE_CLIP_ALL = 5,
    PRO_FEAT_DELETE_INDIV_GP_MEMBERS = 6,
    PRO_FEAT_DELETE_CLIP_INDIV_GP_MEMBERS = 7,
    PRO_FEAT_DELETE_KEEP_EMBED_DATUMS = 8
} ProFeatureDeleteOptions;

typedef enum { PRO_FEAT_EXTRACT_NO_OPTS = 0 } ProFeatureElemtreeExtractOptions;

PRO_BEGIN_C_DECLS
// `model` selects the solid the feature is created in. The tree stays the caller's.
PRO_TK_EXPORT ProError ProFeatureCreate(ProSelection model, ProElement elemtree,
                                        ProFeatureCreateOptions options[], int num_opts,
                                        ProFeature* p_feature, ProErrorlist* p_errors);
// `comp_path` may be NULL (a feature of the model itself).
PRO_TK_EXPORT ProError ProFeatureRedefine(ProAsmcomppath* comp_path, ProFeature* feature,
                                          ProElement elemtree, ProFeatureCreateOptions options[],
                                          int num_opts, ProErrorlist* p_errors);
// A copy of the feature's element tree; the caller frees it with ProElementFree.
PRO_TK_EXPORT ProError ProFeatureElemtreeCreate(ProFeature* feature, ProElement* p_elem);
PRO_TK_EXPORT ProError ProFeatureInit(ProSolid p_owner_handle, int feat_id,
                                      ProFeature* p_feat_handle);
PRO_TK_EXPORT ProError ProFeatureStatusGet(ProFeature* p_feat_handle, ProFeatStatus* p_status);
PRO_TK_EXPORT ProError ProFeatureTypeGet(ProFeature* p_feat_handle, ProFeattype* p_type);
PRO_TK_EXPORT ProError ProFeatureDelete(ProSolid solid, int* feat_ids, int feat_count,
                                        ProFeatureDeleteOptions* delete_opts, int num_opts);
// ProArrays of feature ids; the caller frees them with ProArrayFree.
PRO_TK_EXPORT ProError ProFeatureChildrenGet(ProFeature* p_feat_handle, int** p_children,
                                             int* p_count);
PRO_TK_EXPORT ProError ProFeatureParentsGet(ProFeature* p_feat_handle, int** p_parents,
                                            int* p_count);
// The value of the element at `elempath` in the feature's tree; the caller frees it
// with ProValueFree.
PRO_TK_EXPORT ProError ProFeatureElemValueGet(ProFeature* feature, ProElempath elempath,
                                              ProValue* p_elemvalue);
// The feature's 1-based position in the regeneration order.
PRO_TK_EXPORT ProError ProFeatureNumberGet(ProFeature* p_feat_handle, int* r_feat_num);
// Visits the geometry items of a feature of one type (PRO_TYPE_UNUSED: every type) in the
// order the feature made them: filter first, then the action. PRO_TK_E_NOT_FOUND when
// nothing was visited; an action's answer other than PRO_TK_NO_ERROR ends the visit with it.
PRO_TK_EXPORT ProError ProFeatureGeomitemVisit(ProFeature* p_feat_handle, ProType item_type,
                                               ProGeomitemAction action, ProGeomitemFilter filter,
                                               ProAppData app_data);
// Insert mode: new features of the solid are inserted right after p_last_feat (an active
// feature); the features after it are suppressed until insert mode ends.
PRO_TK_EXPORT ProError ProFeatureInsertModeActivate(ProFeature* p_last_feat);
// Ends insert mode; with resume the features suppressed by it come back. PRO_TK_E_NOT_FOUND
// when insert mode is not active.
PRO_TK_EXPORT ProError ProInsertModeCancel(ProSolid solid, ProBoolean resume);
PRO_TK_EXPORT ProError ProInsertModeIsActive(ProSolid solid, ProBoolean* p_is_active);
// Moves the features (in their order) so that the first of them takes the feature number
// new_feat_num. PRO_TK_BAD_INPUTS when a feature would come before one it references.
PRO_TK_EXPORT ProError ProFeatureReorder(ProSolid solid, int* feat_ids, int n_feats,
                                         int new_feat_num);
// The feature's number: its position among the solid's features, counted from 1.
PRO_TK_EXPORT ProError ProFeatureNumberGet(ProFeature* p_feat_handle, int* r_feat_num);
PRO_END_C_DECLS
