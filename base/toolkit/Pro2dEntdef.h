// Toolkit contract: the 2-D entities of a section (sketch), in the section's own plane
// coordinates.
#pragma once

#include <ProToolkit.h>

typedef enum {
    PRO_2D_POINT = 1,
    PRO_2D_LINE = 2,
    PRO_2D_CENTER_LINE = 3,
    PRO_2D_ARC = 4,
    PRO_2D_CIRCLE = 5,
    PRO_2D_COORD_SYS = 6,
    PRO_2D_POLYLINE = 7,
    PRO_2D_SPLINE = 8,
    PRO_2D_TEXT = 9,
    PRO_2D_CONSTR_CIRCLE = 10,
    PRO_2D_BLEND_VERTEX = 11,
    PRO_2D_ELLIPSE = 12,
    PRO_2D_CONIC = 13,
    PRO_2D_SEC_GROUP = 14,
    PRO_2D_B_SPLINE = 15,
    PRO_2D_COMPOSITE_CURVE = 16,
    PRO_2D_ENT_LAST = 17
} Pro2dEntType;

// Every entity record starts with its type; Pro2dEntdef is read through it.
typedef struct pro_2d_entdef {
    Pro2dEntType type;
} Pro2dEntdef;

// A line from end1 to end2.
typedef struct pro_2d_line_def {
    Pro2dEntType type;  // PRO_2D_LINE
    Pro2dPnt end1;
    Pro2dPnt end2;
} Pro2dLinedef;

// An infinite centre line through end1 and end2 (an axis of revolution).
typedef struct pro_2d_cline_def {
    Pro2dEntType type;  // PRO_2D_CENTER_LINE
    Pro2dPnt end1;
    Pro2dPnt end2;
} Pro2dClinedef;

// An arc about center, counter-clockwise from start_angle to end_angle (radians,
// measured from the section's x axis).
typedef struct pro_2d_arc_def {
    Pro2dEntType type;  // PRO_2D_ARC
    Pro2dPnt center;
    double start_angle;
    double end_angle;
    double radius;
} Pro2dArcdef;

// The section's coordinate-system entity, at pnt.
typedef struct pro_2d_csys_def {
    Pro2dEntType type;  // PRO_2D_COORD_SYS
    Pro2dPnt pnt;
} Pro2dCoordSysdef;
