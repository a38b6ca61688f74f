// Toolkit contract: drawings (model type 4). A drawing has sheets, numbered from 1, each
// of a size and optionally with a format (a model of type 33) placed on it, and general
// views that show a solid on a sheet. Drawing coordinates are the sheet's; the sheet
// transform takes screen coordinates to them. View handles are the drawing's own: another
// drawing refuses them.
#pragma once

#include <ProMdl.h>
#include <ProObjects.h>
#include <ProToolkit.h>
#include <ProView.h>

// How ProDrawingFromTmpltCreate works (bit flags).
typedef int ProDwgcreateOptions;
#define PRO_DWGCREATE_DISPLAY_DRAWING (1 << 0)
#define PRO_DWGCREATE_SHOW_ERROR_DIALOG (1 << 1)
#define PRO_DWGCREATE_WRITE_ERRORS_TO_FILE (1 << 2)
#define PRO_DWGCREATE_PROMPT_UNKNOWN_PARAMS (1 << 3)

// What went wrong while a template was applied; NULL when nothing did.
typedef struct dwg_template_error** ProDwgcreateErrs;

typedef enum {
    PRO_DISPSTYLE_DEFAULT = 0,
    PRO_DISPSTYLE_WIREFRAME = 1,
    PRO_DISPSTYLE_HIDDEN_LINE = 2,
    PRO_DISPSTYLE_NO_HIDDEN = 3,
    PRO_DISPSTYLE_SHADED = 4,
    PRO_DISPSTYLE_FOLLOW_ENVIRONMENT = 5,
    PRO_DISPSTYLE_SHADED_WITH_EDGES = 6
} ProDisplayStyle;

typedef enum {
    PRO_TANEDGE_DEFAULT = 10,
    PRO_TANEDGE_NONE = 11,
    PRO_TANEDGE_CENTERLINE = 12,
    PRO_TANEDGE_PHANTOM = 13,
    PRO_TANEDGE_DIMMED = 14,
    PRO_TANEDGE_SOLID = 15
} ProTanedgeDisplay;

typedef enum {
    PRO_CABLEDISP_DEFAULT = 20,
    PRO_CABLEDISP_CENTERLINE = 21,
    PRO_CABLEDISP_THICK = 22
} ProCableDisplay;

// How a drawing view shows its model.
typedef struct {
    ProDisplayStyle style;
    ProBoolean quilt_hlr;
    ProTanedgeDisplay tangent_edge_display;
    ProCableDisplay cable_display;
    ProBoolean concept_model;
    ProBoolean weld_xsec;
} ProDrawingViewDisplay;

PRO_BEGIN_C_DECLS
// A new drawing `new_name` made from the drawing template `dwg_template` for the model
// named by `new_model` (name and type text). PRO_TK_DWGCREATE_ERRORS when the drawing was
// made but part of the template could not be applied; `errors` (may be NULL) then tells
// what, and is NULL otherwise. The error record stays the host's, kept with the drawing:
// the caller never frees it.
PRO_TK_EXPORT ProError ProDrawingFromTmpltCreate(ProName new_name, ProName dwg_template,
                                                 ProModel* new_model, ProDwgcreateOptions options,
                                                 ProDrawing* drawing, ProDwgcreateErrs* errors);
PRO_TK_EXPORT ProError ProDrawingSheetsCount(ProDrawing drawing, int* n_sheets);
// The name of the format on the sheet; PRO_TK_E_NOT_FOUND for a sheet without one.
PRO_TK_EXPORT ProError ProDrawingFormatGet(ProDrawing drawing, int sheet, ProName format_name);
// Places sheet `format_sheet` of the format model on sheet `drawing_sheet`, which then
// takes the format's size. `solid` is not used by this host.
PRO_TK_EXPORT ProError ProDrawingFormatAdd(ProDrawing drawing, int drawing_sheet, ProSolid solid,
                                           ProMdl format, int format_sheet);
// The sheet's size name and the transform from screen to drawing coordinates (row
// layout).
PRO_TK_EXPORT ProError ProDrawingSheetTrfGet(ProDrawing drawing, int sheet, ProName sheet_size,
                                             ProMatrix transform);
// The solids the drawing's views show, each once, in the order first shown; a ProArray
// the caller frees with ProArrayFree. PRO_TK_E_NOT_FOUND when the views show none.
PRO_TK_EXPORT ProError ProDrawingSolidsCollect(ProDrawing drawing, ProSolid** solids);
// A general view of `solid` on the sheet, its centre at `position` (screen coordinates,
// which the sheet transform takes to drawing coordinates), oriented by the rotation in
// rows 0 to 2 of `orientation`; `scale` 0 takes the host's default scale.
PRO_TK_EXPORT ProError ProDrawingGeneralviewCreate(ProDrawing drawing, ProSolid solid,
                                                   int sheet_number, ProBoolean exploded,
                                                   ProPoint3d position, double scale,
                                                   ProMatrix orientation, ProView* view);
// The transform from the view's model coordinates to drawing coordinates
// (`view_to_drawing` PRO_B_TRUE) or to screen coordinates.
PRO_TK_EXPORT ProError ProDrawingViewTransformGet(ProDrawing drawing, ProView view,
                                                  ProBoolean view_to_drawing, ProMatrix transform);
PRO_TK_EXPORT ProError ProDrawingViewDelete(ProDrawing drawing, ProView view,
                                            ProBoolean delete_children);
PRO_TK_EXPORT ProError ProDrawingViewDisplayGet(ProDrawing drawing, ProView view,
                                                ProDrawingViewDisplay* display_status);
PRO_TK_EXPORT ProError ProDrawingViewDisplaySet(ProDrawing drawing, ProView view,
                                                ProDrawingViewDisplay* display_status);
PRO_END_C_DECLS
