// Toolkit contract: user-defined features (UDFs), stored feature groups placed into a
// solid against references the caller chooses.
#pragma once

#include <ProObjects.h>
#include <ProSelection.h>
#include <ProToolkit.h>

typedef struct pro_udf_data_new* ProUdfdata;
typedef struct pro_udf_reference_new* ProUdfreference;
typedef struct pro_udf_required_ref* ProUdfRequiredRef;

typedef enum { PROUDFDEPENDENCY_INDEPENDENT = 0, PROUDFDEPENDENCY_UDF_DRIVEN = 1 } ProUdfdependency;

typedef enum {
    PROUDFDIMDISP_NORMAL = 0,
    PROUDFDIMDISP_READONLY = 1,
    PROUDFDIMDISP_BLANK = 2
} ProUdfdimdisplay;

typedef enum {
    PROUDFSCALETYPE_SAME_SIZE = 0,
    PROUDFSCALETYPE_SAME_DIMS = 1,
    PROUDFSCALETYPE_USER = 2
} ProUdfscaletype;

typedef enum {
    PROUDFOPT_EDIT_MENU = 0,
    PROUDFOPT_NCSEQ_MENU = 1,
    PROUDFOPT_NO_EXISTING_TOOLS = 2,
    PROUDFOPT_NO_REDEFINE = 3,
    PROUDFOPT_FIX_MODEL_UI_OFF = 4
} ProUdfCreateOption;

PRO_BEGIN_C_DECLS
// New placement data; the caller frees it with ProUdfdataFree (with its references).
PRO_TK_EXPORT ProError ProUdfdataAlloc(ProUdfdata* data);
PRO_TK_EXPORT ProError ProUdfdataFree(ProUdfdata data);
// The UDF to place: the name of a group definition of the host's UDF library (with or
// without its file extension); instance may be NULL. PRO_TK_E_NOT_FOUND when the library
// has no such definition, PRO_TK_BAD_INPUTS for a name that is no definition name,
// PRO_TK_INVALID_FILE for a definition the host cannot read.
PRO_TK_EXPORT ProError ProUdfdataNameSet(ProUdfdata data, ProName udf_name, ProName instance);
PRO_TK_EXPORT ProError ProUdfdataDependencySet(ProUdfdata data, ProUdfdependency dependency);
PRO_TK_EXPORT ProError ProUdfdataScaleSet(ProUdfdata data, ProUdfscaletype type, double scale);
PRO_TK_EXPORT ProError ProUdfdataDimdisplaySet(ProUdfdata data, ProUdfdimdisplay dim_display);
// The references the named UDF requires, in its order: a ProArray the caller frees with
// ProArrayFree (its entries stay valid until then).
PRO_TK_EXPORT ProError ProUdfdataRequiredreferencesGet(ProUdfdata data,
                                                       ProUdfRequiredRef** required_references);
PRO_TK_EXPORT ProError ProUdfrequiredrefPromptGet(ProUdfRequiredRef reference, ProLine prompt);
// The item type (PRO_CSYS, PRO_POINT ...) the reference needs.
PRO_TK_EXPORT ProError ProUdfrequiredrefTypeGet(ProUdfRequiredRef reference, ProType* type);
// A reference answering the prompt with the selected item (copied); external when the
// item lies in another model of the assembly (the selection's path leads to it). The
// host keeps the reference until ProUdfdataReferenceAdd gives it to data; one never
// given goes when the session ends.
PRO_TK_EXPORT ProError ProUdfreferenceAlloc(ProLine prompt, ProSelection ref_item,
                                            ProBoolean external, ProUdfreference* reference);
// Adds the reference to the data, which takes it over (freed with the data).
PRO_TK_EXPORT ProError ProUdfdataReferenceAdd(ProUdfdata data, ProUdfreference reference);
// Places the UDF into the solid: a group feature with the definition's features as its
// members, placed against the references. asm_reference may be NULL.
PRO_TK_EXPORT ProError ProUdfCreate(ProSolid solid, ProUdfdata data, ProAsmcomppath* asm_reference,
                                    ProUdfCreateOption* options, int n_options, ProGroup* udf);
PRO_END_C_DECLS
