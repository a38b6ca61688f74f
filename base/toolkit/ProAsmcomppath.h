// Toolkit contract: component paths from a root assembly, placements as matrices, and
// the datum points displayed along a path.
#pragma once

#include <ProObjects.h>
#include <ProPoint.h>
#include <ProToolkit.h>

PRO_BEGIN_C_DECLS
// A path from `p_solid_handle` through `table_size` component ids (0: the model itself,
// at most PRO_MAX_ASSEM_LEVEL). The ids are checked now: PRO_TK_E_NOT_FOUND when they do
// not lead through components of the models on the way.
PRO_TK_EXPORT ProError ProAsmcomppathInit(ProSolid p_solid_handle, ProIdTable memb_id_tab,
                                          int table_size, ProAsmcomppath* p_handle);
// A placement matrix in the host's row layout: rows 0 to 2 the axes, row 3 the origin
// with 1 in its last column, the other last-column entries 0.
PRO_TK_EXPORT ProError ProMatrixInit(ProVector x_vector, ProVector y_vector, ProVector z_vector,
                                     ProPoint3d origin, ProMatrix matrix);
// Visits the datum points displayed in the solid at the end of the path. Note the order:
// filter before visit. A filter answer of PRO_TK_CONTINUE skips the point; a visit answer
// other than PRO_TK_NO_ERROR ends the visit with that code. PRO_TK_E_NOT_FOUND when no
// point was visited.
PRO_TK_EXPORT ProError ProAsmcomppathDispPointVisit(ProAsmcomppath* p_path, ProSolid handle,
                                                    ProPointFilterAction filter_action,
                                                    ProPointVisitAction visit_action,
                                                    ProAppData app_data);
// The model at the end of the path (the root itself at depth 0). PRO_TK_BAD_INPUTS for a
// path whose ids do not lead through components of the models on the way.
PRO_TK_EXPORT ProError ProAsmcomppathMdlGet(ProAsmcomppath* p_path, ProMdl* p_model);
// The placement of the path's end in the root, composed along the path: with
// `bottom_up` PRO_B_TRUE the component-to-root transform (rows 0 to 2 the component's
// axes, row 3 its origin, in root coordinates), with PRO_B_FALSE its inverse.
PRO_TK_EXPORT ProError ProAsmcomppathTrfGet(ProAsmcomppath* p_path, ProBoolean bottom_up,
                                            ProMatrix transformation);
// A point transformed by a placement matrix in the host's row layout (row vector times
// matrix).
PRO_TK_EXPORT ProError ProPntTrfEval(ProVector in_point, ProMatrix trf, ProVector out_point);
PRO_END_C_DECLS
