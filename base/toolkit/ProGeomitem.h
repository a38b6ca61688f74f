// Toolkit contract: geometry items (coordinate systems, points, axes ...) of solids.
#pragma once

#include <ProObjects.h>
#include <ProSelection.h>
#include <ProToolkit.h>

PRO_BEGIN_C_DECLS
// The feature that owns the geometry item.
// The geometry item (type PRO_CSYS, PRO_POINT) of a geometry handle of the solid.
PRO_TK_EXPORT ProError ProCsysToGeomitem(ProSolid solid, ProCsys csys_handle,
                                         ProGeomitem* r_geom_item);
PRO_TK_EXPORT ProError ProPointToGeomitem(ProSolid solid, ProPoint point_handle,
                                          ProGeomitem* r_geom_item);
// The curve handle of a geometry item of type PRO_CURVE (valid while its model is in
// session); PRO_TK_BAD_INPUTS for an item of another type.
PRO_TK_EXPORT ProError ProGeomitemToCurve(ProGeomitem* p_geom_item, ProCurve* r_curve_handle);
PRO_TK_EXPORT ProError ProGeomitemFeatureGet(ProGeomitem* p_geom_item, ProFeature* p_feat_handle);
// The smallest distance between two selected geometry items, each placed by the
// component path of its selection (both paths from one root): datum points, coordinate
// systems (their origins), and parts or assemblies (the item of the model itself) by
// their solids. PRO_TK_BAD_INPUTS for other items or a path that does not end at the
// item's model; a point against a solid is not measured (PRO_TK_UNSUPPORTED).
PRO_TK_EXPORT ProError ProGeomitemDistanceEval(ProSelection p_selection1, ProSelection p_selection2,
                                               double* p_result);
PRO_END_C_DECLS
