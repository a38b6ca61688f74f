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
