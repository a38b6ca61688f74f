// Toolkit contract: writing a model (its current view) or a drawing (its sheets) as a
// PDF file, with an option object.
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>

typedef struct _pdfconfig* ProPDFOptions;

typedef enum {
    PRO_PDFOPT_FONT_STROKE = 0,
    PRO_PDFOPT_COLOR_DEPTH = 1,
    PRO_PDFOPT_HIDDENLINE_MODE = 2,
    PRO_PDFOPT_SEARCHABLE_TEXT = 3,
    PRO_PDFOPT_RASTER_DPI = 4,
    PRO_PDFOPT_LAUNCH_VIEWER = 5,
    PRO_PDFOPT_LAYER_MODE = 6,
    PRO_PDFOPT_PARAM_MODE = 7,
    PRO_PDFOPT_HYPERLINKS = 8,
    PRO_PDFOPT_BOOKMARK_ZONES = 9,
    PRO_PDFOPT_BOOKMARK_VIEWS = 10,
    PRO_PDFOPT_BOOKMARK_SHEETS = 11,
    PRO_PDFOPT_BOOKMARK_FLAG_NOTES = 12,
    PRO_PDFOPT_TITLE = 13,
    PRO_PDFOPT_AUTHOR = 14,
    PRO_PDFOPT_SUBJECT = 15,
    PRO_PDFOPT_KEYWORDS = 16,
    PRO_PDFOPT_PASSWORD_TO_OPEN = 17,
    PRO_PDFOPT_MASTER_PASSWORD = 18,
    PRO_PDFOPT_RESTRICT_OPERATIONS = 19,
    PRO_PDFOPT_ALLOW_PRINTING = 20,
    PRO_PDFOPT_ALLOW_PRINTING_MODE = 21,
    PRO_PDFOPT_ALLOW_MODE = 22,
    PRO_PDFOPT_ALLOW_COPYING = 23,
    PRO_PDFOPT_ALLOW_ACCESSIBILITY = 24,
    PRO_PDFOPT_PENTABLE = 25,
    PRO_PDFOPT_PENTAB_FOR_TEXT = 26,
    PRO_PDFOPT_LINECAP = 27,
    PRO_PDFOPT_LINEJOIN = 28,
    PRO_PDFOPT_SHEETS = 29,
    PRO_PDFOPT_SHEET_RANGE = 30,
    PRO_PDFOPT_EXPORT_MODE = 31,
    PRO_PDFOPT_LIGHT_DEFAULT = 32,
    PRO_PDFOPT_RENDER_STYLE_DEFAULT = 33,
    PRO_PDFOPT_SIZE = 34,
    PRO_PDFOPT_HEIGHT = 35,
    PRO_PDFOPT_WIDTH = 36,
    PRO_PDFOPT_ORIENTATION = 37,
    PRO_PDFOPT_TOP_MARGIN = 38,
    PRO_PDFOPT_LEFT_MARGIN = 39,
    PRO_PDFOPT_BACKGROUND_COLOR_RED = 40,
    PRO_PDFOPT_BACKGROUND_COLOR_GREEN = 41,
    PRO_PDFOPT_BACKGROUND_COLOR_BLUE = 42,
    PRO_PDFOPT_ADD_VIEWS = 43,
    PRO_PDFOPT_VIEW_TO_EXPORT = 44,
    PRO_PDFOPT_SELECTED_VIEW = 45,
    PRO_PDFOPT_PDF_SAVE = 46,
    PRO_PDFOPT_INCL_ANNOT = 47
} ProPDFOptionType;

PRO_BEGIN_C_DECLS
// Option object: allocated by the host, released with ProPDFoptionsFree (by value).
// The property setters accept any option type of the list above; PRO_TK_BAD_INPUTS for
// another number or an object that is not a live option object.
PRO_TK_EXPORT ProError ProPDFoptionsAlloc(ProPDFOptions* options);
PRO_TK_EXPORT ProError ProPDFoptionsIntpropertySet(ProPDFOptions options, ProPDFOptionType type,
                                                   int value);
PRO_TK_EXPORT ProError ProPDFoptionsBoolpropertySet(ProPDFOptions options, ProPDFOptionType type,
                                                    ProBoolean value);
PRO_TK_EXPORT ProError ProPDFoptionsFree(ProPDFOptions options);
// Writes output_file: one page per sheet of a drawing, or one page showing a part or an
// assembly in its current view. options may be NULL (the defaults).
// PRO_TK_BAD_INPUTS for a NULL model or file; PRO_TK_GENERAL_ERROR when the file cannot
// be written.
PRO_TK_EXPORT ProError ProPDFExport(ProMdl model, ProPath output_file, ProPDFOptions options);
PRO_END_C_DECLS
