// Toolkit contract: shrinkwrap, the outer shape of a solid, into another part or into a
// faceted file.
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>

typedef struct sw_options* ProShrinkwrapOptions;

typedef enum {
    PRO_SWCREATE_SURF_SUBSET = 0,
    PRO_SWCREATE_FACETED_SOLID = 1,
    PRO_SWCREATE_MERGED_SOLID = 2
} ProShrinkwrapCreationMethod;

typedef enum {
    PRO_SWFACETED_PART = 0,
    PRO_SWFACETED_LIGHTWEIGHT_PART = 1,
    PRO_SWFACETED_STL = 2,
    PRO_SWFACETED_VRML = 3
} ProShrinkwrapFacetedFormat;

PRO_BEGIN_C_DECLS
// Option object: allocated by the host, released with ProShrinkwrapoptionsFree (by
// value). Quality runs from 1 (coarse) to 10 (fine).
PRO_TK_EXPORT ProError ProShrinkwrapoptionsAlloc(ProShrinkwrapCreationMethod method,
                                                 ProShrinkwrapOptions* p_options);
PRO_TK_EXPORT ProError ProShrinkwrapoptionsAutoholefillingSet(ProShrinkwrapOptions options,
                                                              ProBoolean auto_hole_filling);
PRO_TK_EXPORT ProError ProShrinkwrapoptionsFacetedformatSet(ProShrinkwrapOptions options,
                                                            ProShrinkwrapFacetedFormat format);
PRO_TK_EXPORT ProError ProShrinkwrapoptionsQualitySet(ProShrinkwrapOptions options, int quality);
PRO_TK_EXPORT ProError ProShrinkwrapoptionsFree(ProShrinkwrapOptions options);
// The shrinkwrap of solid: into output_model (a part; output_file is then NULL) or, with
// a faceted method, into output_file in the options' faceted format (output_model NULL).
PRO_TK_EXPORT ProError ProSolidShrinkwrapCreate(ProSolid solid, ProSolid output_model,
                                                ProPath output_file,
                                                ProShrinkwrapOptions output_options);
PRO_END_C_DECLS
