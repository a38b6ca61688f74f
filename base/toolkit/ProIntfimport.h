// Toolkit contract: a new model (a part, or an assembly with its component models) made
// from an interface file.
#pragma once

#include <ProMdl.h>
#include <ProObjects.h>
#include <ProToolkit.h>

typedef enum {
    PRO_INTF_IMPORT_NONE = 0,
    PRO_INTF_IMPORT_IGES = 1,
    PRO_INTF_IMPORT_SET = 2,
    PRO_INTF_IMPORT_VDA = 3,
    PRO_INTF_IMPORT_NEUTRAL = 4,
    PRO_INTF_IMPORT_CADDS = 5,
    PRO_INTF_IMPORT_STEP = 6,
    PRO_INTF_IMPORT_STL = 7,
    PRO_INTF_IMPORT_VRML = 8,
    PRO_INTF_IMPORT_POLTXT = 9,
    PRO_INTF_IMPORT_CATIA = 10,
    PRO_INTF_IMPORT_CATIA_SESSION = 11,
    PRO_INTF_IMPORT_CATIA_MODEL = 12,
    PRO_INTF_IMPORT_DXF = 13,
    PRO_INTF_IMPORT_ACIS = 14,
    PRO_INTF_IMPORT_PARASOLID = 15,
    PRO_INTF_IMPORT_ICEM = 16,
    PRO_INTF_IMPORT_DESKTOP = 17,
    PRO_INTF_IMPORT_PDGS = 18,
    PRO_INTF_IMPORT_CATIA_PART = 19,
    PRO_INTF_IMPORT_CATIA_PRODUCT = 20,
    PRO_INTF_IMPORT_UG = 21,
    PRO_INTF_IMPORT_IDEAS_DESIGN = 22,
    PRO_INTF_IMPORT_IDEAS_PACKAGE = 23,
    PRO_INTF_IMPORT_PRODUCTVIEW = 24,
    PRO_INTF_IMPORT_CATIA_CGR = 25,
    PRO_INTF_IMPORT_JT = 26,
    PRO_INTF_IMPORT_SW_PART = 27,
    PRO_INTF_IMPORT_SW_ASSEM = 28,
    PRO_INTF_IMPORT_INVENTOR_PART = 29,
    PRO_INTF_IMPORT_INVENTOR_ASSEM = 30,
    PRO_INTF_IMPORT_CC = 31,
    PRO_INTF_IMPORT_SEDGE_PART = 32,
    PRO_INTF_IMPORT_SEDGE_ASSEMBLY = 33,
    PRO_INTF_IMPORT_SEDGE_SHEETMETAL_PART = 34,
    PRO_INTF_IMPORT_AMF = 35,
    PRO_INTF_IMPORT_3MF = 36
} ProIntfImportType;

typedef void* ProLayerfilterdata;
typedef ProError (*ProIntfimportLayerFilter)(ProLayerfilterdata data, ProAppData application_data);

PRO_BEGIN_C_DECLS
// Reads import_file of the given type and makes the new model new_model_name of
// create_type (PRO_PART or PRO_ASSEMBLY; an assembly gets one component model per part
// of the file). filter_func may be NULL. PRO_TK_BAD_INPUTS for a NULL or wrong argument;
// PRO_TK_CANT_OPEN when the file cannot be read; PRO_TK_E_FOUND when a model of that
// name and type is in session; PRO_TK_UNSUPPORTED for a type the host does not read.
PRO_TK_EXPORT ProError ProIntfimportModelCreate(ProPath import_file, ProIntfImportType type,
                                                ProMdlType create_type, ProName new_model_name,
                                                ProIntfimportLayerFilter filter_func,
                                                ProAppData application_data, ProMdl* created_model);
PRO_END_C_DECLS
