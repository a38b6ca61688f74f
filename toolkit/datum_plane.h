// Wrapper of the datum plane through a coordinate system. Failing host calls raise
// ardotk::Error(code, "").
#pragma once

#include <ProObjects.h>
#include <ProSelection.h>

namespace ardotk {

// The coordinate-system plane normal to axis `axis` (1 X, 2 Y, 3 Z) of the coordinate
// system `csys` selects, without offset and with the host's default name; returns the
// plane's surface. A plane feature without a surface raises ardotk::Error(-4, "").
ProGeomitem DatumPlaneCreate(ProSolid solid, ProSelection csys, int axis);

}  // namespace ardotk
