// Files of triangulated solids (mesh_files.h).
#include "simhost/state/mesh_files.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <utility>

namespace simhost::state {

namespace geo = simhost::geometry;

namespace {

constexpr std::size_t kStlHeaderSize = 80;

geo::Vec3 moved(const geo::Vec3& p, const double (*m)[4]) {
    geo::Vec3 out{};
    for (int k = 0; k < 3; ++k) {
        out[k] = p[0] * m[0][k] + p[1] * m[1][k] + p[2] * m[2][k] + m[3][k];
    }
    return out;
}

geo::Vec3 unitNormal(const std::array<geo::Vec3, 3>& c) {
    const geo::Vec3 u{c[1][0] - c[0][0], c[1][1] - c[0][1], c[1][2] - c[0][2]};
    const geo::Vec3 v{c[2][0] - c[0][0], c[2][1] - c[0][1], c[2][2] - c[0][2]};
    const geo::Vec3 n{u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                      u[0] * v[1] - u[1] * v[0]};
    const double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (!(length > 0.0)) {
        return {0.0, 0.0, 0.0};
    }
    return {n[0] / length, n[1] / length, n[2] / length};
}

// The stream's precision is set so that a double reads back as itself.
void triple(std::ostream& out, const geo::Vec3& v) {
    out << v[0] << ' ' << v[1] << ' ' << v[2];
}

void littleEndian(std::ostream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.put(static_cast<char>((value >> (8 * i)) & 0xffu));
    }
}

void floatOut(std::ostream& out, double value) {
    const float f = static_cast<float>(value);
    std::uint32_t bits = 0;
    static_assert(sizeof bits == sizeof f, "STL floats are 32 bits");
    std::memcpy(&bits, &f, sizeof bits);
    littleEndian(out, bits, 4);
}

void vectorOut(std::ostream& out, const geo::Vec3& v) {
    for (double d : v) {
        floatOut(out, d);
    }
}

}  // namespace

double linearDeterminant(const double (*m)[4]) {
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
           m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
           m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

std::vector<Facet> facetsMoved(const geo::TriangleMesh& mesh, const double (*m)[4]) {
    const bool mirrors = linearDeterminant(m) < 0.0;
    std::vector<Facet> facets;
    facets.reserve(mesh.triangles.size());
    for (const std::array<int, 3>& t : mesh.triangles) {
        Facet facet;
        for (std::size_t k = 0; k < 3; ++k) {
            facet.corners[k] = moved(mesh.vertices[static_cast<std::size_t>(t[k])], m);
        }
        if (mirrors) {
            std::swap(facet.corners[1], facet.corners[2]);
        }
        facet.normal = unitNormal(facet.corners);
        facets.push_back(facet);
    }
    return facets;
}

void stlAsciiWrite(const std::vector<Facet>& facets, const std::string& name, std::ostream& out) {
    out.precision(std::numeric_limits<double>::max_digits10);
    out << "solid " << name << '\n';
    for (const Facet& facet : facets) {
        out << "  facet normal ";
        triple(out, facet.normal);
        out << "\n    outer loop\n";
        for (const geo::Vec3& corner : facet.corners) {
            out << "      vertex ";
            triple(out, corner);
            out << '\n';
        }
        out << "    endloop\n  endfacet\n";
    }
    out << "endsolid " << name << '\n';
}

void stlBinaryWrite(const std::vector<Facet>& facets, const std::string& name, std::ostream& out) {
    // Not starting with "solid": readers take such a header for an ASCII file.
    std::string header = "binary STL " + name;
    header.resize(kStlHeaderSize, ' ');
    out.write(header.data(), static_cast<std::streamsize>(kStlHeaderSize));
    littleEndian(out, static_cast<std::uint32_t>(facets.size()), 4);
    for (const Facet& facet : facets) {
        vectorOut(out, facet.normal);
        for (const geo::Vec3& corner : facet.corners) {
            vectorOut(out, corner);
        }
        littleEndian(out, 0, 2);
    }
}

void vrmlWrite(const geo::TriangleMesh& mesh, const std::string& name, std::ostream& out) {
    out.precision(std::numeric_limits<double>::max_digits10);
    out << "#VRML V2.0 utf8\n"
        << "# " << name << ", lengths in millimetres\n"
        << "Shape {\n"
        << "  appearance Appearance { material Material { diffuseColor 0.7 0.7 0.7 } }\n"
        << "  geometry IndexedFaceSet {\n"
        << "    solid TRUE\n"
        << "    coord Coordinate {\n"
        << "      point [\n";
    for (const geo::Vec3& v : mesh.vertices) {
        out << "        ";
        triple(out, v);
        out << ",\n";
    }
    out << "      ]\n    }\n    coordIndex [\n";
    for (const std::array<int, 3>& t : mesh.triangles) {
        out << "      " << t[0] << ", " << t[1] << ", " << t[2] << ", -1,\n";
    }
    out << "    ]\n  }\n}\n";
}

}  // namespace simhost::state
