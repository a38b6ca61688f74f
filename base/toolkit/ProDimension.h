// Toolkit contract: dimensions of solids and features, and the session's dimension
// display mode.
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>

typedef enum { PRODISPMODE_NUMERIC = 0, PRODISPMODE_SYMBOLIC = 1 } ProDisplayMode;

// Visit callbacks of the dimension visits. A filter answering PRO_TK_CONTINUE skips the
// dimension; any other answer is passed to the action as its status.
typedef ProError (*ProDimensionVisitAction)(ProDimension* dimension, ProError status,
                                            ProAppData data);
typedef ProError (*ProDimensionFilterAction)(ProDimension* dimension, ProAppData data);

PRO_BEGIN_C_DECLS
// With refdim PRO_B_TRUE the reference dimensions are visited, otherwise the standard
// ones. Note the order: visit before filter.
PRO_TK_EXPORT ProError ProSolidDimensionVisit(ProSolid solid, ProBoolean refdim,
                                              ProDimensionVisitAction action,
                                              ProDimensionFilterAction filter, ProAppData data);
PRO_TK_EXPORT ProError ProFeatureDimensionVisit(ProFeature* feature, ProDimensionVisitAction visit,
                                                ProDimensionFilterAction filter, ProAppData data);
PRO_TK_EXPORT ProError ProDimensionSymbolGet(ProDimension* dimension, ProName symbol);
PRO_TK_EXPORT ProError ProDimensionSymbolSet(ProDimension* dimension, ProName symbol);
PRO_TK_EXPORT ProError ProDimensionValueGet(ProDimension* dimension, double* value);
PRO_TK_EXPORT ProError ProDimensionValueSet(ProDimension* dimension, double value);
PRO_TK_EXPORT ProError ProDimensionIsRegenednegative(ProDimension* dimension,
                                                     ProBoolean* regened_negative);
// view, drawing and path may be NULL: the dimension is shown in the model's window.
PRO_TK_EXPORT ProError ProDimensionShow(ProDimension* dimension, ProView view, ProDrawing drawing,
                                        ProAsmcomppath* path);
PRO_TK_EXPORT ProError ProDisplaymodeGet(ProDisplayMode* mode);
PRO_TK_EXPORT ProError ProDisplaymodeSet(ProDisplayMode mode);
PRO_END_C_DECLS
