// Toolkit contract: models as a whole (load, create, save, erase, names and data).
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>
#include <ProVerstamp.h>

typedef enum {
    PRO_MDL_UNUSED = -1,
    PRO_MDL_ASSEMBLY = 1,
    PRO_MDL_PART = 2,
    PRO_MDL_DRAWING = 4,
    PRO_MDL_3DSECTION = 7,
    PRO_MDL_2DSECTION = 11,
    PRO_MDL_LAYOUT = 19,
    PRO_MDL_DWGFORM = 33,
    PRO_MDL_MFG = 37,
    PRO_MDL_REPORT = 105,
    PRO_MDL_MARKUP = 116,
    PRO_MDL_DIAGRAM = 121,
    PRO_MDL_CE_DRAWING = 315,
    PRO_MDL_CE_SOLID = 316,
    PRO_MDL_DRW_SOLID = 319
} ProMdlType;

typedef enum {
    PROMDLSTYPE_NONE = 0,
    PROMDLSTYPE_BULK = 1,
    PROMDLSTYPE_PART_SOLID = 2,
    PROMDLSTYPE_PART_COMPOSITE = 3,
    PROMDLSTYPE_PART_SHEETMETAL = 4,
    PROMDLSTYPE_PART_CONCEPT_MODEL = 5,
    PROMDLSTYPE_ASM_DESIGN = 6,
    PROMDLSTYPE_ASM_INTERCHANGE = 7,
    PROMDLSTYPE_ASM_INTCHG_SUBST = 8,
    PROMDLSTYPE_ASM_INTCHG_FUNC = 9,
    PROMDLSTYPE_ASM_CLASS_CAV = 10,
    PROMDLSTYPE_ASM_VERIFY = 11,
    PROMDLSTYPE_ASM_PROCPLAN = 12,
    PROMDLSTYPE_ASM_NCMODEL = 13,
    PROMDLSTYPE_MFG_NCASM = 14,
    PROMDLSTYPE_MFG_NCPART = 15,
    PROMDLSTYPE_MFG_EXPMACH = 16,
    PROMDLSTYPE_MFG_CMM = 17,
    PROMDLSTYPE_MFG_SHEETMETAL = 18,
    PROMDLSTYPE_MFG_CAST = 19,
    PROMDLSTYPE_MFG_MOLD = 20,
    PROMDLSTYPE_MFG_DIEFACE = 21,
    PROMDLSTYPE_MFG_HARNESS = 22,
    PROMDLSTYPE_MFG_PROCPLAN = 23,
    PROMDLSTYPE_REGEN_BACKUP = 24,
    PROMDLSTYPE_OLD_REG_MFG = 25,
    PROMDLSTYPE_ASM_CLASS_SCAN_SET = 26,
    PROMDLSTYPE_ASM_EXT_SIMP_REP = 27,
    PROMDLSTYPE_ASM_FIGURE = 28,
    PROMDLSTYPE_MANIKIN_TOP = 29,
    PROMDLSTYPE_MANIKIN_SEG = 30,
    PROMDLSTYPE_ASM_CONFIGURE_ASM = 31,
    PROMDLSTYPE_CE_SOLID = 32,
    PROMDLSTYPE_CREO_INTRCH = 33,
    PROMDLSTYPE_CREO_CNF_FACTORY = 34,
    PROMDLSTYPE_ECAD_ASM = 35,
    PROMDLSTYPE_ECAD_BOARD_PART = 36,
    PROMDLSTYPE_TRAY_ASSEM = 37,
    PROMDLSTYPE_INSTR_ASM = 38,
    PROMDLSTYPE_PART_CMPST = 39
} ProMdlsubtype;

// The data record of a model: name, type text ("PRT", "ASM" ...), where its file lives
// and its version numbers.
typedef struct pro_object_info {
    wchar_t name[80];
    wchar_t type[10];
    wchar_t path[PRO_PATH_SIZE];
    wchar_t device[20];
    wchar_t host[80];
    int version;
    int subclass;
} ProMdldata;

// A model named by name and type text.
typedef struct promodel {
    wchar_t name[80];
    wchar_t type[10];
} ProModel;

PRO_BEGIN_C_DECLS
PRO_TK_EXPORT ProError ProMdlCurrentGet(ProMdl* p_handle);
PRO_TK_EXPORT ProError ProMdlDisplay(ProMdl model);
PRO_TK_EXPORT ProError ProMdlErase(ProMdl handle);
PRO_TK_EXPORT ProError ProMdlEraseAll(ProMdl model);
PRO_TK_EXPORT ProError ProMdlIdGet(ProMdl model, int* p_id);
PRO_TK_EXPORT ProError ProMdlInit(ProName name, ProMdlType type, ProMdl* p_mdl_handle);
PRO_TK_EXPORT ProError ProMdlModifVerify(ProMdl handle, ProBoolean* p_modified);
PRO_TK_EXPORT ProError ProMdlNameGet(ProMdl handle, ProName name);
PRO_TK_EXPORT ProError ProMdlSave(ProMdl handle);
PRO_TK_EXPORT ProError ProMdlSubtypeGet(ProMdl model, ProMdlsubtype* subtype);
PRO_TK_EXPORT ProError ProMdlToModelitem(ProMdl mdl, ProModelitem* p_model_item);
PRO_TK_EXPORT ProError ProMdlTypeGet(ProMdl model, ProMdlType* p_type);
PRO_TK_EXPORT ProError ProMdlVerstampGet(ProMdl model, ProWVerstamp* p_stamp);
PRO_TK_EXPORT ProError ProMdlWindowGet(ProMdl mdl, int* window_id);
// An array of the models of a type in session; the caller frees it with ProArrayFree.
PRO_TK_EXPORT ProError ProSessionMdlList(ProMdlType model_type, ProMdl** p_model_array,
                                         int* p_count);
PRO_TK_EXPORT ProError ProTreetoolRefresh(ProMdl model);
PRO_TK_EXPORT ProError ProMdlLoad(ProPath full_path, ProMdlType type,
                                  ProBoolean ask_user_about_reps, ProMdl* p_handle);
PRO_TK_EXPORT ProError ProMdlCopy(ProMdl handle, ProName new_name, ProMdl* p_new_handle);
PRO_TK_EXPORT ProError ProMdlRename(ProMdl handle, ProName new_name);
// Writes the model's file into the directory given in model_info->path.
PRO_TK_EXPORT ProError ProMdlBackup(ProMdl handle, ProMdldata* model_info);
PRO_TK_EXPORT ProError ProMdldataGet(ProMdl handle, ProMdldata* p_data);
// The models this model needs, by name and type text ("PRT", "ASM" ...): for an assembly
// the models of its components, each once, in the order of the components. A ProArray
// the caller frees with ProArrayFree; a model without dependencies gives a count of 0.
PRO_TK_EXPORT ProError ProMdlDependenciesList(ProMdl model, ProModel** p_dependencies,
                                              int* p_count);
PRO_END_C_DECLS
