// Toolkit contract: the display lists the host draws a model from.
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>

PRO_BEGIN_C_DECLS
// Marks the model's display lists out of date, so that the next repaint of its window
// draws it anew (after a display option changed). PRO_TK_BAD_INPUTS for a handle that
// is no model in session.
PRO_TK_EXPORT ProError ProDisplistInvalidate(ProMdl model);
PRO_END_C_DECLS
