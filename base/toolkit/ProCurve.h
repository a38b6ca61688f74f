// Toolkit contract: curves of solids (datum curves, imported curves), read through their
// handles (ProGeomitemToCurve).
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>

PRO_BEGIN_C_DECLS
// The curve's type: PRO_ENT_LINE, PRO_ENT_ARC, PRO_ENT_SPLINE, PRO_ENT_ELLIPSE ...
PRO_TK_EXPORT ProError ProCurveTypeGet(ProCurve p_curve, ProEnttype* p_curve_type);
// The curve's length in model units.
PRO_TK_EXPORT ProError ProCurveLengthEval(ProCurve p_curve, double* p_length);
// The point at the normalised parameter (0 at the start, 1 at the end) in model
// coordinates, with the first and second derivative by that parameter. Any output may be
// NULL. PRO_TK_BAD_INPUTS for a parameter outside [0, 1].
PRO_TK_EXPORT ProError ProCurveXyzdataEval(ProCurve p_curve, double curve_param,
                                           ProVector xyz_point, ProVector deriv1, ProVector deriv2);
PRO_END_C_DECLS
