// Files of triangulated solids: STL (ASCII and binary) and VRML 2.0. Pure writers of a
// mesh the kernel made; the files are what other programs open.
#pragma once

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "simhost/geometry/kernel.h"

namespace simhost::state {

// One triangle as written: its corners and its unit normal (zero for a degenerate one).
struct Facet {
    geometry::Vec3 normal{0.0, 0.0, 0.0};
    std::array<geometry::Vec3, 3> corners;
};

// The mesh's triangles with every vertex p moved to p·m, m a host matrix (row vectors:
// rows 0 to 2 the images of the axes, row 3 the translation; its last column is not
// read). A matrix that mirrors keeps the facets facing out: their corners are reordered.
// Normals are those of the moved triangles.
std::vector<Facet> facetsMoved(const geometry::TriangleMesh& mesh, const double (*m)[4]);

// The determinant of the matrix's 3x3 part (rows 0 to 2, columns 0 to 2).
double linearDeterminant(const double (*m)[4]);

// ASCII STL: "solid <name>", one facet block per triangle, "endsolid <name>".
void stlAsciiWrite(const std::vector<Facet>& facets, const std::string& name, std::ostream& out);
// Binary STL: an 80-byte header naming the solid, the triangle count and one 50-byte
// record per triangle (little-endian 32-bit floats, attribute 0).
void stlBinaryWrite(const std::vector<Facet>& facets, const std::string& name, std::ostream& out);
// VRML 2.0: one Shape whose IndexedFaceSet holds the mesh's vertices and triangles.
void vrmlWrite(const geometry::TriangleMesh& mesh, const std::string& name, std::ostream& out);

}  // namespace simhost::state
