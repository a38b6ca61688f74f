// The host's solid geometry: solids in a table of the module, known by integer ids, and
// what the host computes from them (volumes, bounding boxes, distances, interference,
// STEP files). The rest of the host speaks placements and ids; only kernel.cpp sees the
// geometry kernel behind it.
//
// Every call answers a host error code. A build without the kernel answers
// kKernelNotAvailable to every call; no exception of the kernel leaves this module.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
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

// Hidden-line removal (kernel_hlr.cpp): what a drawing of the placed solids shows when
// they are seen along -view.z (the viewer on the side of +view.z, looking orthographically),
// each point given as (view.x·p, view.y·p). Sharp edges and outlines (silhouettes of curved
// faces) always; edges between faces that meet tangentially only with `smooth`; the hidden
// ones separately, only with `hidden`. Curved lines are cut into chords.
using ViewPolyline = std::vector<std::array<double, 2>>;
struct ViewLines {
    std::vector<ViewPolyline> visible;
    std::vector<ViewPolyline> hidden;
};
// The most edges the solids may have together, and the most points the lines may take:
// beyond either the call answers PRO_TK_BAD_INPUTS and does no (more) work.
constexpr std::size_t kHlrMaxEdges = 20000;
constexpr std::size_t kHlrMaxPoints = 2000000;
// PRO_TK_BAD_INPUTS also for an unknown solid or a view whose axes are not orthonormal.
ProError solidsHiddenLinesRemoved(const std::vector<PlacedSolid>& solids, const Placement& view,
                                  bool smooth, bool hidden, ViewLines* lines);

// Interface files and triangulations (kernel_export.cpp, kernel_mesh.cpp). Every solid is
// written where its placement puts it; the caller composes the export frame into the
// placements.

// What the solids are written as: closed solids, their faces as a surface model, or
// their edges as curves.
enum class ExportShape { Solid, Surfaces, Wireframe };

// An assembly for a structured file: products[0] is the top one. A product holds solids
// (a part's, in its own frame) or placed instances of other products (an assembly's);
// the instances form a tree below the top one.
struct ExportInstance {
    std::size_t product = 0;  // index into `products`
    Placement placement;
};
struct ExportProduct {
    std::string name;
    std::vector<int> solids;
    std::vector<ExportInstance> children;
};
struct ExportAssembly {
    std::vector<ExportProduct> products;
};

// STEP (AP214), the solids as one product named `name`. PRO_TK_BAD_INPUTS for an empty
// list or an unknown solid; PRO_TK_CANT_WRITE when the file cannot be written.
ProError solidsStepExport(const std::vector<PlacedSolid>& solids, const std::string& name,
                          ExportShape shape, const std::filesystem::path& file);
// STEP (AP214) with the assembly's structure: a product per part and per assembly, the
// instances with their placements. Codes as solidsStepExport.
ProError assemblyStepExport(const ExportAssembly& assembly, ExportShape shape,
                            const std::filesystem::path& file);
// IGES 5.3 in millimetres, faces as trimmed surfaces (wireframe: the edges only).
ProError solidsIgesExport(const std::vector<PlacedSolid>& solids, ExportShape shape,
                          const std::filesystem::path& file);
// The kernel's own text form of one compound of the placed solids.
ProError solidsBrepText(const std::vector<PlacedSolid>& solids, std::string* text);

// A triangulation: vertices and triangles (indices into them), each triangle ordered so
// that its normal by the right-hand rule points out of the solid.
struct TriangleMesh {
    std::vector<Vec3> vertices;
    std::vector<std::array<int, 3>> triangles;
};
// Triangulates the placed solids: no chord further than `deflection` from its surface,
// no two neighbouring facets turned by more than `angle` radians (both > 0).
// PRO_TK_BAD_INPUTS for an empty list, an unknown solid, a bound that is not positive
// and finite, or one that would take more than `maxTriangles` triangles.
ProError solidsMesh(const std::vector<PlacedSolid>& solids, double deflection, double angle,
                    std::size_t maxTriangles, TriangleMesh* mesh);
// The diagonal of the placed solids' bounding box (for bounds relative to the size).
ProError solidsDiagonal(const std::vector<PlacedSolid>& solids, double* diagonal);

}  // namespace simhost::geometry
