// The triangulation of the faceted exports (mesh_quality.h).
#include "simhost/api/mesh_quality.h"

#include <cmath>

namespace simhost::api {

ProError meshWithin(const std::vector<geometry::PlacedSolid>& solids, double chord, double angle,
                    geometry::TriangleMesh* mesh) {
    if (!std::isfinite(chord) || !std::isfinite(angle) || chord < 0.0 || angle < 0.0 ||
        (angle > 0.0 && angle < kSmallestAngle)) {
        return PRO_TK_BAD_INPUTS;
    }
    double diagonal = 0.0;
    if (ProError rc = geometry::solidsDiagonal(solids, &diagonal)) {
        return rc;
    }
    if (chord == 0.0) {
        chord = kDefaultChordShare * diagonal;
    } else if (chord < kSmallestChordShare * diagonal) {
        return PRO_TK_BAD_INPUTS;
    }
    return geometry::solidsMesh(solids, chord, angle == 0.0 ? kDefaultAngle : angle, kMostTriangles,
                                mesh);
}

}  // namespace simhost::api
