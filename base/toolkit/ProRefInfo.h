// Toolkit contract: external references, the features of other models that reference a
// feature's geometry through a component path.
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>

typedef enum {
    PRO_EXT_GEOM_REF = 1,
    PRO_LOC_GEOM_REF = 2,
    PRO_MERGE_REF = 3,
    PRO_EXT_REL_REF = 4,
    PRO_LOC_REL_REF = 5,
    PRO_PRGM_REF = 6,
    PRO_MOVE_COMP_REF = 7,
    PRO_SUBS_REF = 8,
    PRO_MFG_INFO_REF = 9,
    PRO_INTRCH_REF = 10,
    PRO_HARN_REF = 11,
    PRO_FEAT_PAT_REF = 12,
    PRO_NON_ASSY_GEOM_REF = 13,
    PRO_DIM_BOUND_REF = 14,
    PRO_HIDDEN_FEM_REFS = 15,
    PRO_ANALYSIS_REF = 16,
    PRO_FEAT_PAT_LOC_REF = 17,
    PRO_DEPENDENCY_REFS = 18,
    PRO_IN_CIRCLE_REFS = 19,
    PRO_MEMBER_REFS = 20,
    PRO_LOC_MERGE_REF = 21,
    PRO_ALL_EXT_REF_TYPES = 100,
    PRO_ALL_REF_TYPES = 101
} ProExtRefType;

// One reference, owned by the info array it came in.
typedef struct pro_ext_feat_ref* ProExtFeatRef;

typedef struct pro_ext_ref_info {
    ProExtRefType type;
    ProExtFeatRef* ext_refs;
    int n_refs;
} ProExtRefInfo;

PRO_BEGIN_C_DECLS
// The references of other features to the geometry of `feature` made through a
// component path, grouped by reference type, as a ProArray the caller releases with
// ProExtRefInfoFree. A feature without such children answers PRO_TK_NO_ERROR with a
// count of 0 and a NULL array.
PRO_TK_EXPORT ProError ProFeatureExternChildrenGet(ProFeature* feature, ProExtRefType child_type,
                                                   ProExtRefInfo** r_child_infos, int* n_infos);
PRO_TK_EXPORT ProError ProExtRefInfoFree(ProExtRefInfo** p_ext_feat_ref_arr);
// The component path of the referencing feature's model (`own_comp`) and the path
// through which it references (`ref_comp`), both from the referencing feature's model.
PRO_TK_EXPORT ProError ProExtRefAsmcompsGet(ProExtFeatRef ext_ref, ProAsmcomppath* own_comp,
                                            ProAsmcomppath* ref_comp);
// The referencing feature; PRO_TK_E_NOT_FOUND when it is no longer in session.
PRO_TK_EXPORT ProError ProExtRefOwnFeatGet(ProExtFeatRef ext_ref, ProFeature* p_own_feat);
PRO_END_C_DECLS
