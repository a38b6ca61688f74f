// Toolkit contract: handles and model items.
#pragma once

#include <ProToolkit.h>

typedef void* ProMdl;
typedef void* ProObj;
typedef struct sld_part* ProSolid;
typedef struct sld_part* ProAssembly;
typedef struct sld_part* ProPart;
typedef struct drawing* ProDrawing;
// A view of a model or a drawing; NULL stands for a model's current view where a
// function takes a view. The handle stays its owner's: another model refuses it.
typedef struct view* ProView;

typedef enum {
    PRO_TYPE_INVALID = -2,
    PRO_TYPE_UNUSED = -1,
    PRO_ASSEMBLY = 1,
    PRO_PART = 2,
    PRO_FEATURE = 3,
    PRO_DRAWING = 4,
    PRO_SURFACE = 5,
    PRO_EDGE = 6,
    PRO_3DSECTION = 7,
    PRO_DIMENSION = 8,
    PRO_2DSECTION = 11,
    PRO_XSEC = 18,
    PRO_LAYOUT = 19,
    PRO_AXIS = 21,
    PRO_CSYS = 25,
    PRO_REF_DIMENSION = 28,
    PRO_GTOL = 32,
    PRO_DWGFORM = 33,
    PRO_SUB_ASSEMBLY = 34,
    PRO_MFG = 37,
    PRO_QUILT = 57,
    PRO_CURVE = 62,
    PRO_POINT = 66,
    PRO_NOTE = 68,
    PRO_VIEW = 92,
    PRO_BODY = 98,
    PRO_REPORT = 105,
    PRO_MARKUP = 116,
    PRO_LAYER = 117,
    PRO_DIAGRAM = 121,
    PRO_DATUM_PLANE = 176,
    PRO_COMP_CRV = 180,
    PRO_PARAMETER = 240,
    PRO_SIMP_REP = 309,
    PRO_EXTOBJ = 385,
    PRO_RELSET = 533,
    PRO_ANALYSIS = 555,
    PRO_SURF_CRV = 556,
    PRO_SOLID_GEOMETRY = 622,
    PRO_CONTOUR = 1000,
    PRO_GROUP = 1001,
    PRO_UDF = 1002,
    PRO_FAMILY_TABLE = 1003
} ProType;

typedef struct pro_model_item {
    ProType type;
    int id;
    ProMdl owner;
} ProModelitem;
typedef ProModelitem ProGeomitem;
typedef ProModelitem ProFeature;
typedef ProModelitem ProDimension;
typedef ProModelitem ProLayer;
typedef ProModelitem ProExtobj;
typedef ProModelitem ProAsmcomp;
typedef ProModelitem ProRelset;
typedef ProModelitem ProMfgoper;
typedef ProModelitem ProGroup;
typedef ProModelitem ProNote;

// Curve types (ProCurveTypeGet, the `type` of curve data).
typedef enum {
    PRO_ENT_NONE = -1,
    PRO_ENT_POINT = 1,
    PRO_ENT_LINE = 2,
    PRO_ENT_ARC = 3,
    PRO_ENT_TXT = 6,
    PRO_ENT_ARROW = 8,
    PRO_ENT_CIRCLE = 10,
    PRO_ENT_SPLINE = 12,
    PRO_ENT_B_SPLINE = 19,
    PRO_ENT_ELLIPSE = 30,
    PRO_ENT_POLYGON = 40,
    PRO_ENT_CMP_CRV = 41,
    PRO_ENT_SRF_CRV = 56,
    PRO_ENT_PARAM_CRV = 62
} ProEnttype;

// Geometry handles (coordinate systems, datum points): opaque, owned by the host and
// valid while their model is in session; not model items (ProCsysToGeomitem and the
// like give those).
typedef struct entity* ProCsys;
typedef struct entity* ProPoint;
typedef struct entity* ProCurve;

typedef struct pro_comp_path {
    ProSolid owner;
    ProIdTable comp_id_table;
    int table_num;
} ProAsmcomppath;
