// Toolkit contract: component paths from a root assembly, placements as matrices, and
// the datum points displayed along a path.
#pragma once

#include <ProObjects.h>
#include <ProPoint.h>
#include <ProToolkit.h>

PRO_BEGIN_C_DECLS
// A path from `p_solid_handle` through `table_size` component ids (0: the model itself).
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
PRO_END_C_DECLS
