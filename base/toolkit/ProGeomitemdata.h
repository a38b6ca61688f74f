// Toolkit contract: the geometry of a geometry item, as the host hands it out.
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>

// Surface geometry comes with the area that reads it.
typedef struct ptc_surf ProSurfacedata;

// Curve geometry, by curve type (the `type` member of every record, a ProEnttype).
// A straight line from end1 to end2.
typedef struct ptc_line {
    int type;  // PRO_ENT_LINE
    ProVector end1;
    ProVector end2;
} ProLinedata;

// A circular arc: the points origin + radius * (cos t * vector1 + sin t * vector2) for t
// from start_angle to end_angle (radians); vector1 and vector2 are orthonormal.
typedef struct ptc_arc {
    int type;  // PRO_ENT_ARC
    ProVector vector1;
    ProVector vector2;
    ProVector origin;
    double start_angle;
    double end_angle;
    double radius;
} ProArcdata;

// A spline through points with their tangents at the parameters: three ProArrays of
// num_points entries each, owned by the record.
typedef struct ptc_spline {
    int type;  // PRO_ENT_SPLINE
    double* par_arr;
    ProPoint3d* pnt_arr;
    ProPoint3d* tan_arr;
    int num_points;
} ProSplinedata;

// An elliptic arc: center + x_radius * cos t * x_axis + y_radius * sin t * y_axis, with
// y_axis = plane_normal x x_axis, for t from start_ang to end_ang (radians).
typedef struct ptc_ellipse {
    int type;  // PRO_ENT_ELLIPSE
    ProVector center;
    ProVector x_axis;
    ProVector plane_normal;
    double x_radius;
    double y_radius;
    double start_ang;
    double end_ang;
} ProEllipsedata;

typedef union ptc_curve {
    ProLinedata line;
    ProArcdata arc;
    ProSplinedata spline;
    ProEllipsedata ellipse;
} ProCurvedata;

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
// The geometry of a geometry item, allocated by the host: coordinate systems (obj_type
// PRO_CSYS, data.p_csys_data) and curves (PRO_CURVE, data.p_curve_data; a spline's
// arrays are ProArrays the record owns). The caller frees it with ProGeomitemdataFree.
// PRO_TK_E_NOT_FOUND when the item is gone; PRO_TK_UNSUPPORTED for other item types.
PRO_TK_EXPORT ProError ProGeomitemdataGet(ProGeomitem* p_item, ProGeomitemdata** p_data_ptr);
// Frees data the host allocated (ProCsysDataGet ...) and sets *to_free to NULL.
PRO_TK_EXPORT ProError ProGeomitemdataFree(ProGeomitemdata** to_free);
PRO_END_C_DECLS
