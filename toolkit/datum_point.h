// Datum points of a solid: the point feature offset from a coordinate system, and the
// search of the displayed points by name pattern.
#pragma once

#include <ProObjects.h>
#include <ProSelection.h>

#include <vector>

namespace ardotk {

// One point of a point feature: Cartesian offsets along the coordinate system's axes.
struct PointOffset {
    double x = 0.0, y = 0.0, z = 0.0;
};

// Creates a datum-point feature named `name` with `points`, each offset from the
// coordinate system `csys` selects, each carrying three dimensions and the feature's
// name. A failing host call raises ardotk::Error(code, "").
ProFeature DatumPointCreate(ProSolid solid, ProSelection csys, const wchar_t* name,
                            const std::vector<PointOffset>& points);

// The datum points displayed in `solid` (path with the solid as root, depth 0) whose name
// matches the whole `pattern`, into `found` (contents replaced, storage reused, empty
// after a failure). The pattern ".*" takes every point without reading names. A visit
// result of -1 or -2 raises ardotk::Error(code, ""); every other result ends the visit
// normally. An invalid pattern raises ardotk::Error(0, description); a failing path
// raises ardotk::Error(code, "").
void DatumPointSearch(ProSolid solid, const char* pattern, std::vector<ProPoint>& found);

}  // namespace ardotk
