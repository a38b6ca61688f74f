// Toolkit contract: assembly components (features of type PRO_FEAT_COMPONENT), their
// models, types and placement constraints.
#pragma once

#include <ProObjects.h>
#include <ProSelection.h>
#include <ProToolkit.h>

// The component feature type and the elements of its tree.
#define PRO_FEAT_COMPONENT 1000
#define PRO_E_COMPONENT_CONSTRAINTS 605
#define PRO_E_COMPONENT_CONSTRAINT 606
#define PRO_E_COMPONENT_CONSTR_TYPE 607
#define PRO_E_COMPONENT_COMP_CONSTR_REF 608
#define PRO_E_COMPONENT_ASSEM_CONSTR_REF 609
#define PRO_E_COMPONENT_MODEL 612

typedef enum {
    PRO_ASM_COMP_TYPE_NONE = 0,
    PRO_ASM_COMP_TYPE_WORKPIECE = 1,
    PRO_ASM_COMP_TYPE_REF_MODEL = 2,
    PRO_ASM_COMP_TYPE_FIXTURE = 3,
    PRO_ASM_COMP_TYPE_MOLD_BASE = 4,
    PRO_ASM_COMP_TYPE_MOLD_COMP = 5,
    PRO_ASM_COMP_TYPE_MOLD_ASSEM = 6,
    PRO_ASM_COMP_TYPE_GEN_ASSEM = 7,
    PRO_ASM_COMP_TYPE_CAST_ASSEM = 8,
    PRO_ASM_COMP_TYPE_DIE_BLOCK = 9,
    PRO_ASM_COMP_TYPE_DIE_COMP = 10,
    PRO_ASM_COMP_TYPE_SAND_CORE = 11,
    PRO_ASM_COMP_TYPE_CAST_RESULT = 12,
    PRO_ASM_COMP_TYPE_FROM_MOTION = 13,
    PRO_ASM_COMP_TYPE_NO_DEF_ASSUM = 14
} ProAsmcompType;

typedef enum {
    PRO_ASM_UNDEF = -1,
    PRO_ASM_MATE = 0,
    PRO_ASM_MATE_OFF = 1,
    PRO_ASM_ALIGN = 2,
    PRO_ASM_ALIGN_OFF = 3,
    PRO_ASM_INSERT = 4,
    PRO_ASM_ORIENT = 5,
    PRO_ASM_CSYS = 6,
    PRO_ASM_TANGENT = 7,
    PRO_ASM_PNT_ON_SRF = 8,
    PRO_ASM_EDGE_ON_SRF = 9,
    PRO_ASM_DEF_PLACEMENT = 10,
    PRO_ASM_SUBSTITUTE = 11,
    PRO_ASM_PNT_ON_LINE = 12,
    PRO_ASM_FIX = 13,
    PRO_ASM_AUTO = 14
} ProAsmcompConstrType;

typedef enum {
    PRO_DATUM_SIDE_RED = -1,
    PRO_DATUM_SIDE_NONE = 0,
    PRO_DATUM_SIDE_YELLOW = 1
} ProDatumside;

// One placement constraint of a component, owned by the array it came in.
typedef struct pro_asm_constraint_full* ProAsmcompconstraint;

PRO_BEGIN_C_DECLS
// Adds `component_model` to the assembly as a new component placed by `init_pos` (the
// host's row layout: rows 0 to 2 the component's axes, row 3 its origin, in the
// assembly's coordinates; the axes must be orthonormal). The component gets no
// constraint; it keeps that placement until it is moved.
PRO_TK_EXPORT ProError ProAsmcompAssemble(ProAssembly owner_assembly, ProSolid component_model,
                                          ProMatrix init_pos, ProAsmcomp* feature);
// The model of a component; PRO_TK_E_NOT_FOUND when the model is not in session.
PRO_TK_EXPORT ProError ProAsmcompMdlGet(ProAsmcomp* p_feat_handle, ProMdl* p_mdl_handle);
PRO_TK_EXPORT ProError ProAsmcompTypeGet(ProAsmcomp* comp, const ProAssembly top_assem,
                                         ProAsmcompType* r_type);
PRO_TK_EXPORT ProError ProAsmcompTypeSet(ProAsmcomp* comp, const ProAssembly top_assem,
                                         ProAsmcompType type);
// The constraints of a component as a ProArray the caller releases with
// ProAsmcompconstraintArrayFree (which frees the constraints too).
// PRO_TK_E_NOT_FOUND when the component has none (placed by matrix or all removed).
PRO_TK_EXPORT ProError ProAsmcompConstraintsGet(ProAsmcomp* component,
                                                ProAsmcompconstraint** p_constraints);
PRO_TK_EXPORT ProError ProAsmcompconstraintArrayFree(ProAsmcompconstraint* p_constraints);
PRO_TK_EXPORT ProError ProAsmcompconstraintTypeGet(ProAsmcompconstraint constraint,
                                                   ProAsmcompConstrType* type);
// The references of a constraint as new selections the caller releases with
// ProSelectionFree; the assembly reference carries its component path from the
// component's owner. PRO_TK_E_NOT_FOUND when the constraint has no such reference.
// The orientation output may be NULL.
PRO_TK_EXPORT ProError ProAsmcompconstraintCompreferenceGet(ProAsmcompconstraint constraint,
                                                            ProSelection* comp_ref,
                                                            ProDatumside* comp_orient);
PRO_TK_EXPORT ProError ProAsmcompconstraintAsmreferenceGet(ProAsmcompconstraint constraint,
                                                           ProSelection* asm_ref,
                                                           ProDatumside* asm_orient);
// Removes the constraint at `index` (0-based), or all of them with -1. The component
// keeps its current placement. PRO_TK_BAD_INPUTS for an index outside the constraints.
PRO_TK_EXPORT ProError ProAsmcompConstrRemove(ProAsmcomp* p_feat_handle, int index);
// Opens the interactive placement dialog of a component and waits for the user.
// PRO_TK_NO_ERROR when the user confirmed a placement, PRO_TK_USER_ABORT when the dialog
// was cancelled.
PRO_TK_EXPORT ProError ProAsmcompConstrRedefUI(ProAsmcomp* p_feat_handle);
PRO_END_C_DECLS
