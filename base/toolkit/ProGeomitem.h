// Toolkit contract: geometry items (coordinate systems, points, axes ...) of solids.
#pragma once

#include <ProObjects.h>
#include <ProToolkit.h>

PRO_BEGIN_C_DECLS
// The feature that owns the geometry item.
PRO_TK_EXPORT ProError ProGeomitemFeatureGet(ProGeomitem* p_geom_item, ProFeature* p_feat_handle);
PRO_END_C_DECLS
