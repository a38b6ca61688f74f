// Toolkit contract: writing a solid to a neutral 3D interface file (STEP, IGES, ACIS ...)
// and the option objects that say what goes into the file.
#pragma once

#include <ProObjects.h>
#include <ProSelection.h>
#include <ProToolkit.h>

typedef enum {
    PRO_INTF_EXPORT_STEP = 1,
    PRO_INTF_EXPORT_SET = 2,
    PRO_INTF_EXPORT_VDA = 3,
    PRO_INTF_EXPORT_IGES = 4,
    PRO_INTF_EXPORT_CATIA = 5,
    PRO_INTF_EXPORT_CATIA_MODEL = 6,
    PRO_INTF_EXPORT_SAT = 7,
    PRO_INTF_EXPORT_NEUTRAL = 8,
    PRO_INTF_EXPORT_CADDS = 9,
    PRO_INTF_EXPORT_CATIA_SESSION = 10,
    PRO_INTF_EXPORT_PDGS = 11,
    PRO_INTF_EXPORT_PARASOLID = 12,
    PRO_INTF_EXPORT_UG = 13,
    PRO_INTF_EXPORT_RESERVED = 14,
    PRO_INTF_EXPORT_CATIA_PART = 15,
    PRO_INTF_EXPORT_CATIA_PRODUCT = 16,
    PRO_INTF_EXPORT_CATIA_CGR = 17,
    PRO_INTF_EXPORT_JT = 18,
    PRO_INTF_EXPORT_DXF = 19,
    PRO_INTF_EXPORT_DWG = 20,
    PRO_INTF_EXPORT_SW_PART = 21,
    PRO_INTF_EXPORT_SW_ASSEM = 22,
    PRO_INTF_EXPORT_3MF = 23
} ProIntf3DExportType;

typedef enum {
    PRO_OUTPUT_ASSEMBLY_FLAT_FILE = 0,
    PRO_OUTPUT_ASSEMBLY_SINGLE_FILE = 1,
    PRO_OUTPUT_ASSEMBLY_MULTI_FILES = 2,
    PRO_OUTPUT_ASSEMBLY_PARTS = 3
} ProOutputAssemblyConfiguration;

typedef struct pro_output_brep* ProOutputBrepRepresentation;
typedef struct pro_output_inclusion* ProOutputInclusion;
typedef struct pro_output_layers* ProOutputLayerOptions;

PRO_BEGIN_C_DECLS
// Writes the solid (a part, or an assembly with its components) to output_file in the
// frame of reference_csys (a selection of one of its coordinate systems, through a
// component path whose root is the solid for an assembly). The three option objects
// must be live ones of their kind. PRO_TK_BAD_INPUTS for a NULL or wrong argument;
// PRO_TK_E_NOT_FOUND when the selection is not a coordinate system of the solid;
// PRO_TK_BAD_CONTEXT for a solid without geometry to write; PRO_TK_GENERAL_ERROR when
// the file cannot be written; PRO_TK_UNSUPPORTED for a format the host does not write,
// or an assembly written as several files.
PRO_TK_EXPORT ProError ProIntf3DFileWrite(ProSolid solid, ProIntf3DExportType file_type,
                                          ProPath output_file,
                                          ProOutputAssemblyConfiguration configuration,
                                          ProSelection reference_csys,
                                          ProOutputBrepRepresentation brep_representation,
                                          ProOutputInclusion inclusion,
                                          ProOutputLayerOptions layer_options);

// Option objects: allocated by the host, released with their free function (by value).
// Setting all four representation flags off is refused (PRO_TK_BAD_INPUTS).
PRO_TK_EXPORT ProError
ProOutputBrepRepresentationAlloc(ProOutputBrepRepresentation* representation);
PRO_TK_EXPORT ProError ProOutputBrepRepresentationFlagsSet(
    ProOutputBrepRepresentation representation, ProBoolean as_wireframe, ProBoolean as_surfaces,
    ProBoolean as_solid, ProBoolean as_quilts);
PRO_TK_EXPORT ProError ProOutputBrepRepresentationFree(ProOutputBrepRepresentation representation);
PRO_TK_EXPORT ProError ProOutputInclusionAlloc(ProOutputInclusion* inclusion);
PRO_TK_EXPORT ProError ProOutputInclusionFlagsSet(ProOutputInclusion inclusion,
                                                  ProBoolean include_datums,
                                                  ProBoolean include_blanked,
                                                  ProBoolean include_facetted);
PRO_TK_EXPORT ProError ProOutputInclusionFree(ProOutputInclusion inclusion);
PRO_TK_EXPORT ProError ProOutputLayerOptionsAlloc(ProOutputLayerOptions* layer_options);
PRO_TK_EXPORT ProError ProOutputLayerOptionsAutoidSet(ProOutputLayerOptions options,
                                                      ProBoolean auto_ids);
PRO_TK_EXPORT ProError ProOutputLayerOptionsFree(ProOutputLayerOptions options);
PRO_END_C_DECLS
