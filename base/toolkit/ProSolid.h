// Toolkit contract: solids (parts and assemblies): creation, regeneration, accuracy.
#pragma once

#include <ProCsys.h>
#include <ProFeature.h>
#include <ProObjects.h>
#include <ProToolkit.h>

#define PRO_REGEN_NO_FLAGS 0
#define PRO_REGEN_CAN_FIX 1
#define PRO_REGEN_SKIP_DISALLOW_SYS_RECOVER 2
#define PRO_REGEN_UPDATE_INSTS 4
#define PRO_REGEN_RGN_BCK_USING_DISK 8
#define PRO_REGEN_FORCE_REGEN 16
#define PRO_REGEN_UPDATE_ASSEMBLY_ONLY 32
#define PRO_REGEN_RESUME_EXCL_COMPS 64
#define PRO_REGEN_NO_RESOLVE_MODE 128
#define PRO_REGEN_RESOLVE_MODE 256
#define PRO_REGEN_ALLOW_CONFIRM 512
#define PRO_REGEN_UNDO_IF_FAIL 1024
#define PRO_REGEN_SKIP_INSTS_REMAKE 2048
#define PRO_REGEN_TOP_ASM_ONLY 4096
#define PRO_REGEN_SKIP_DSF_OUTOFASM_MODELS 8192
#define PRO_REGEN_INTERACTIVE_UI 16384

typedef enum { PRO_ACCURACY_RELATIVE = 1, PRO_ACCURACY_ABSOLUTE = 2 } ProAccuracyType;

// Item types left out of an outline.
typedef enum {
    PRO_OUTL_EXC_NOT_USED = 1,
    PRO_OUTL_EXC_DATUM_PLANE = 2,
    PRO_OUTL_EXC_DATUM_POINT = 3,
    PRO_OUTL_EXC_DATUM_CSYS = 4,
    PRO_OUTL_EXC_DATUM_AXES = 5,
    PRO_OUTL_EXC_FACETS = 6,
    PRO_OUTL_EXC_ALL_CRVS = 7
} ProSolidOutlExclTypes;

typedef ProError (*ProFeatureVisitAction)(ProFeature* p_feature, ProError status,
                                          ProAppData app_data);
typedef ProError (*ProFeatureFilterAction)(ProFeature* p_feature, ProAppData app_data);

PRO_BEGIN_C_DECLS
// A new part (PRO_PART) or assembly (PRO_ASSEMBLY) in session.
PRO_TK_EXPORT ProError ProSolidCreate(ProName name, ProType type, ProSolid* p_handle);
PRO_TK_EXPORT ProError ProSolidRegenerate(ProSolid p_handle, int flags);
PRO_TK_EXPORT ProError ProSolidAccuracySet(ProSolid solid, ProAccuracyType type, double accuracy);
PRO_TK_EXPORT ProError ProSolidAccuracyGet(ProSolid solid, ProAccuracyType* r_type,
                                           double* r_accuracy);
// Visits the features in regeneration order, whatever their status: visit, filter, data.
PRO_TK_EXPORT ProError ProSolidFeatVisit(ProSolid p_handle, ProFeatureVisitAction visit_action,
                                         ProFeatureFilterAction filter_action, ProAppData app_data);
// ProArrays of all feature ids and their statuses in regeneration order; the caller
// frees both with ProArrayFree.
PRO_TK_EXPORT ProError ProSolidFeatstatusGet(ProSolid solid, int** p_feat_id_array,
                                             ProFeatStatus** p_status_array, int* p_num_features);
// Visits the coordinate systems in the order of the features that made them: visit,
// filter, data. PRO_TK_E_NOT_FOUND when no coordinate system was visited.
PRO_TK_EXPORT ProError ProSolidCsysVisit(ProSolid p_handle, ProCsysVisitAction visit_action,
                                         ProCsysFilterAction filter_action, ProAppData app_data);
// The box around the solid (of an assembly: around every placed part at every level)
// in the frame of `matrix` (host row layout: rows 0 to 2 the frame's axes, row 3 its
// origin, in model coordinates): the smallest and the largest corner. Datum points and
// coordinate systems (their origins) count unless their type is excluded.
// PRO_TK_E_NOT_FOUND when nothing is left to measure; PRO_TK_BAD_INPUTS for a matrix
// whose axes are not orthonormal and right-handed or an unknown exclusion.
PRO_TK_EXPORT ProError ProSolidOutlineCompute(ProSolid p_solid, ProMatrix matrix,
                                              ProSolidOutlExclTypes excludes[], int num_excludes,
                                              Pro3dPnt r_outline_points[2]);
PRO_END_C_DECLS
