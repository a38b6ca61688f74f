// Toolkit contract: the views of a model, its current orientation and the orientations
// stored under names. View matrices are in the host's row layout: rows 0 to 2 are the
// view's axes, row 3 the origin.
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>

PRO_BEGIN_C_DECLS
// Stores the current orientation under `view_name`, replacing a view of that name;
// `p_view` (may be NULL) receives the view.
PRO_TK_EXPORT ProError ProViewStore(ProMdl model, ProLine view_name, ProView* p_view);
// Makes the named view's orientation current; PRO_TK_E_NOT_FOUND for an unknown name.
PRO_TK_EXPORT ProError ProViewRetrieve(ProMdl model, ProLine view_name, ProView* p_view);
// The named view; PRO_TK_E_NOT_FOUND for an unknown name.
PRO_TK_EXPORT ProError ProViewNameToView(ProMdl model, ProLine view_name, ProView* p_view);
// The orientation of the view (NULL: the current one).
PRO_TK_EXPORT ProError ProViewMatrixGet(ProMdl model, ProView view_handle, ProMatrix matrix);
// Orients the view (NULL: the current one) by the rotation in rows 0 to 2 of `matrix`.
PRO_TK_EXPORT ProError ProViewMatrixSet(ProMdl model, ProView view_handle, ProMatrix matrix);
// Gives the view (NULL: the current one) the default orientation back.
PRO_TK_EXPORT ProError ProViewReset(ProMdl model, ProView view_handle);
// Fits the model into its window, keeping the orientation.
PRO_TK_EXPORT ProError ProViewRefit(ProMdl model, ProView view);
PRO_END_C_DECLS
