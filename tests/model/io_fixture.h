// The import and export tests' models and readers: a box part with coordinate systems,
// an assembly of box parts, the order of host calls the journal shows, and the vertices
// of a binary STL file.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "kelt2proe/geometry.h"
#include "kelt2proe/mdl.h"
#include "model/model_fixture.h"

namespace iotest {

using Vertex = std::array<double, 3>;

// "BOX": a solid box from the origin of size 10 x 20 x 30; CS0 in the part's frame and
// MOVED at (5, 0, 0) turned 90 degrees about z.
std::string boxFile();
// The placement of MOVED in the part's frame.
Ardo::Matrix movedPlacement();
// The eight corners of BOX in the part's frame.
std::vector<Vertex> boxCorners();

// An ISO 10303-21 (AP214) file of one box solid from `corner` along the positive axes by
// `size`, written here by hand: a STEP file of another program than the host.
std::string boxStep(const Vertex& corner, const Vertex& size);

// The journal's entries whose function is one of `functions`, by function name, in
// the order of the calls.
std::vector<std::string> callsAmong(const std::vector<std::string>& functions);

// The journal's entries of `function`, with their arguments, in the order of the calls.
std::vector<std::string> entriesOf(const std::string& function);

// The distinct vertices of the triangles of binary STL file `path`, and its triangle
// count through `triangles`. An unreadable or malformed file adds a test failure.
std::vector<Vertex> stlVertices(const std::string& path, int* triangles);
// Whether `actual` holds exactly the points of `expected`, each within `tolerance`.
::testing::AssertionResult samePoints(std::vector<Vertex> expected, std::vector<Vertex> actual,
                                      double tolerance);
// m applied to each point.
std::vector<Vertex> transformed(const Ardo::Matrix& m, const std::vector<Vertex>& points);

class IoTest : public modeltest::ModelTest {
protected:
    void SetUp() override;
    // The volume of the solids of the model in session named `name` as the host
    // measures it.
    static double volumeOf(const wchar_t* name, ProMdlType type = PRO_MDL_PART);
    // An assembly "ASM" with CS0 and the box parts "PA", "PB", "PC" added in this order.
    Ardo::kelt2pMdl threePartAssembly();

    Ardo::kelt2pMdl box;
};

}  // namespace iotest
