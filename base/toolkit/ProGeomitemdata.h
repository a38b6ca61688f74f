// Toolkit contract: the geometry of a geometry item, as the host hands it out.
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>

// Curve and surface geometry come with the areas that read them.
typedef union ptc_curve ProCurvedata;
typedef struct ptc_surf ProSurfacedata;

// A coordinate system's placement in model coordinates: three unit axes and the origin.
typedef struct csys_data_struct {
    ProVector x_vector;
    ProVector y_vector;
    ProVector z_vector;
    ProVector origin;
} ProCsysdata;

typedef struct geom_item_data_struct {
    ProType obj_type;
    union {
        ProCurvedata* p_curve_data;
        ProSurfacedata* p_surface_data;
        ProCsysdata* p_csys_data;
    } data;
} ProGeomitemdata;

PRO_BEGIN_C_DECLS
// Frees data the host allocated (ProCsysDataGet ...) and sets *to_free to NULL.
PRO_TK_EXPORT ProError ProGeomitemdataFree(ProGeomitemdata** to_free);
PRO_END_C_DECLS
