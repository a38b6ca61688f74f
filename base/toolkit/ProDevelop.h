// Toolkit contract: the legacy surface-property calls of the older development
// interface, kept by the host for the appearance of a whole model.
//
// The property record is 68 32-bit words, read and written whole. Seen as doubles
// (34 of them), the first twelve describe the appearance: ambient, diffuse, highlight,
// shininess, transparency, then a reserved value, the colour (red, green, blue) and the
// highlight colour (red, green, blue); the rest is reserved.
//
// Both calls take the model handle, the selection type SEL_3D_PART (the whole model),
// item id -1 (no single surface) and flags 0. They return PRODEV_SURF_PROPS_SET or
// PRODEV_SURF_PROPS_NOT_SET (both >= 0: success; NOT_SET means the model still has the
// host's default appearance) or a negative toolkit error code.
#pragma once

#include <ProToolkit.h>

typedef void* Prohandle;

#define SEL_3D_PART 69
#define PRODEV_SURF_PROPS_SET 0
#define PRODEV_SURF_PROPS_NOT_SET 1

typedef union pro_surf_props {
    int words[68];
    double values[34];
} Pro_surf_props;

PRO_BEGIN_C_DECLS
PRO_TK_EXPORT int prodb_get_surface_props(Prohandle owner, int sel_type, int item_id, int flags,
                                          Pro_surf_props* props);
PRO_TK_EXPORT int prodb_set_surface_props(Prohandle owner, int sel_type, int item_id, int flags,
                                          Pro_surf_props* props);
PRO_END_C_DECLS

// The legacy selection record of a solid item in an assembly: the item (type and id),
// the part that owns it, and the member path from the top assembly to that part
// (`memb_num` ids in `memb_id_tab`). The remaining fields describe an interactive pick
// and are ignored by the clearance call.
typedef struct select3d {
    int sel_type;
    int selected_id;
    Prohandle selected_ptr;
    Prohandle part_ptr;
    double select_pnt[3];
    double sel_param[2];
    double sel_depth;
    int memb_num;
    int memb_id_tab[25];
    Prohandle view_ptr;
    Prohandle top_model;
} Select3d;

#define PRO_PART_CLEARANCE 1112

// The clearance of two parts placed in one top assembly (`top_model` of both records,
// selected_ptr and part_ptr the part, sel_type SEL_3D_PART, selected_id -1), measured
// on their solids: the smallest distance in top-assembly units. `interference` is 1 and
// the distance 0 when the solids overlap. This host does not compute the closest points:
// `closest_points` is left as it was (it may be null).
// The caller fills each record: `top_model` the top assembly, `memb_num` and
// `memb_id_tab` the component feature ids from the top assembly down to the part,
// `part_ptr` the part; the other fields are not read.
// Returns 0, or a negative toolkit error code (PRO_TK_BAD_INPUTS for records that do
// not name parts placed in the top model, PRO_TK_E_NOT_FOUND for a part without solid
// geometry, PRO_TK_UNSUPPORTED on a host without a geometry kernel).
PRO_BEGIN_C_DECLS
PRO_TK_EXPORT int pro_compute_clearance(Select3d* first, Select3d* second, int clearance_type,
                                        double* distance, int* interference,
                                        double closest_points[2][3]);
PRO_END_C_DECLS
