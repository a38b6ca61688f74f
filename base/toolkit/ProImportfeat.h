// Toolkit contract: import features, geometry brought into a solid from interface data
// or an interface file.
#pragma once

#include <ProIntfData.h>
#include <ProObjects.h>
#include <ProSelection.h>
#include <ProToolkit.h>

typedef enum { PRO_IMPORT_BODY_USE_DEFAULT = 0 } ProImportBodyUseOpts;

typedef struct pro_import_feat_attr {
    unsigned int join_surfaces : 1;
    unsigned int attempt_make_solid : 1;
    unsigned int cut_or_add : 1;
    unsigned int add_bodies : 1;
    ProImportBodyUseOpts body_use_opt;
    ProSelection* body_arr;
} ProImportfeatAttr;

PRO_BEGIN_C_DECLS
// A new import feature (type 932) at the end of the solid's features, holding the
// source's geometry placed in the frame of p_csys (a coordinate system of the solid;
// NULL: the solid's own frame). From in-memory data (PRO_INTF_NEUTRAL): one curve item
// (PRO_CURVE) per curve of the collection, in its order. From a file (PRO_INTF_STEP, or
// PRO_INTF_ACIS in the host's own stand-in format): the file's solids, which join the
// solid's geometry. p_attributes may be NULL (the defaults). The new feature has the
// host's default name. PRO_TK_BAD_INPUTS for a NULL argument, a coordinate system that
// is not one of this solid, or an empty collection; PRO_TK_CANT_OPEN for a file that
// does not exist or cannot be read; PRO_TK_INVALID_FILE for a file that is not in the
// source's format or holds no solid; PRO_TK_UNSUPPORTED for another file kind. In-memory
// data needs p_csys; a file source needs a part (PRO_TK_BAD_CONTEXT for an assembly).
PRO_TK_EXPORT ProError ProImportfeatCreate(ProSolid p_solid, ProIntfDataSource* data_source,
                                           ProCsys p_csys, ProImportfeatAttr* p_attributes,
                                           ProFeature* p_feat_handle);
PRO_END_C_DECLS
