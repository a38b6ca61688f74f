// Toolkit contract: coordinate systems of solids.
#pragma once

#include <ProGeomitemdata.h>
#include <ProObjects.h>
#include <ProToolkit.h>

typedef ProError (*ProCsysVisitAction)(ProCsys p_csys, ProError status, ProAppData app_data);
typedef ProError (*ProCsysFilterAction)(ProCsys p_csys, ProAppData app_data);

PRO_BEGIN_C_DECLS
// The handle of the coordinate system with that geometry-item id in the solid.
PRO_TK_EXPORT ProError ProCsysInit(ProSolid owner_handle, int csys_id, ProCsys* p_handle);
// The placement, allocated by the host (obj_type PRO_CSYS, data.p_csys_data); the caller
// frees it with ProGeomitemdataFree.
PRO_TK_EXPORT ProError ProCsysDataGet(ProCsys p_csys, ProGeomitemdata** p_data_ptr);
PRO_END_C_DECLS
