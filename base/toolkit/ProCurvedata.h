// Toolkit contract: curve data records the application builds (for interface data).
#pragma once

#include <ProGeomitemdata.h>
#include <ProToolkit.h>

PRO_BEGIN_C_DECLS
// A new, empty curve record; the caller frees it with ProCurvedataFree.
PRO_TK_EXPORT ProError ProCurvedataAlloc(ProCurvedata** pp_curvedata);
// Frees a record of ProCurvedataAlloc with what it owns.
PRO_TK_EXPORT ProError ProCurvedataFree(ProCurvedata* p_curvedata);
// Makes the record a line from end1 to end2. PRO_TK_BAD_INPUTS for coincident ends.
PRO_TK_EXPORT ProError ProLinedataInit(ProVector end1, ProVector end2, ProCurvedata* p_curvedata);
// Makes the record an arc (ProArcdata). vector1 and vector2 must be unit vectors,
// perpendicular to each other, and the radius positive (PRO_TK_BAD_INPUTS otherwise).
PRO_TK_EXPORT ProError ProArcdataInit(ProVector vector1, ProVector vector2, ProVector origin,
                                      double start_angle, double end_angle, double radius,
                                      ProCurvedata* p_curvedata);
PRO_END_C_DECLS
