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
    PRO_INTF_IMPORT_PARASOLID = 15
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
