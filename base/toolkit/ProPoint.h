// Toolkit contract: datum points of solids.
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>

typedef ProError (*ProPointVisitAction)(ProPoint p_point, ProError status, ProAppData app_data);
typedef ProError (*ProPointFilterAction)(ProPoint p_point, ProAppData app_data);

PRO_BEGIN_C_DECLS
// The handle of the datum point with that geometry-item id in the solid.
PRO_TK_EXPORT ProError ProPointInit(ProSolid owner_handle, int point_id, ProPoint* p_handle);
// The point in the coordinates of its model.
PRO_TK_EXPORT ProError ProPointCoordGet(ProPoint point, ProVector xyz_point);
PRO_TK_EXPORT ProError ProPointIdGet(ProPoint point, int* p_id);
PRO_END_C_DECLS
