// The host's solid geometry: solids in a table of the module, known by integer ids, and
// what the host computes from them (volumes, bounding boxes, distances, interference,
// STEP files). The rest of the host speaks placements and ids; only kernel.cpp sees the
// geometry kernel behind it.
//
// Every call answers a host error code. A build without the kernel answers
// kKernelNotAvailable to every call; no exception of the kernel leaves this module.
#pragma once

#include <filesystem>
#include <vector>

#include <ProToolkit.h>

#include "simhost/geometry/placement.h"

namespace simhost::geometry {

// The answer of every call in a build without the kernel.
constexpr ProError kKernelNotAvailable = PRO_TK_UNSUPPORTED;

// True when this build has a geometry kernel.
bool kernelAvailable();

// A solid of the table, placed: its own coordinates given in the frame `placement`.
struct PlacedSolid {
    int solid = 0;
    Placement placement;
};

// An axis-aligned box: min and max corner.
struct Box3 {
    Vec3 min{0.0, 0.0, 0.0};
    Vec3 max{0.0, 0.0, 0.0};
};

// New solids; `*id` receives the id (ids count up from 1 and are never reused).
// A box from one corner along the positive axes by `size` (each size > 0).
ProError solidBox(const Vec3& corner, const Vec3& size, int* id);
// A cylinder whose base circle is centred at `origin`, rising `height` along `axis` (a
// direction of any length but 0); radius and height > 0.
ProError solidCylinder(const Vec3& origin, const Vec3& axis, double radius, double height, int* id);
// The solids of a STEP file as one solid of the table (a compound when there are
// several). PRO_TK_E_NOT_FOUND: no such file; PRO_TK_INVALID_FILE: not a STEP file the
// kernel reads, or one without a solid.
ProError solidStepRead(const std::filesystem::path& file, int* id);

// Forgets the solid; unknown ids are ignored.
void solidFree(int id);
// How many solids the table holds.
int solidCount();

ProError solidVolume(int id, double* volume);
// The smallest axis-aligned box, in the coordinates of `frame`, that holds every placed
// solid. PRO_TK_BAD_INPUTS for an empty list.
ProError solidsBoundingBox(const std::vector<PlacedSolid>& solids, const Placement& frame,
                           Box3* box);
// The exact minimum distance between the two placed solids (0 when they touch or overlap).
ProError solidsDistance(const PlacedSolid& a, const PlacedSolid& b, double* distance);
// True when the solids share a volume: the volume of their common part exceeds a
// millionth of the smaller solid's. Solids that only touch do not interfere.
ProError solidsInterfere(const PlacedSolid& a, const PlacedSolid& b, bool* interfere);
// Writes the placed solids as one STEP file (AP214). PRO_TK_CANT_WRITE when it cannot.
ProError solidsStepWrite(const std::vector<PlacedSolid>& solids, const std::filesystem::path& file);
// The edges of the placed solids as polylines (curved edges cut into chords), each point
// in the coordinates of the view whose axes are view.x, view.y and view.z (its origin is
// not used): (view.x·p, view.y·p, view.z·p). PRO_TK_BAD_INPUTS for an unknown solid.
ProError solidsEdgesInView(const std::vector<PlacedSolid>& solids, const Placement& view,
                           std::vector<std::vector<Vec3>>* polylines);

}  // namespace simhost::geometry
