// The STL export (ASCII and binary: every vertex moved by the caller's matrix, facets
// facing out, one component of an assembly, bounds on the mesh) and the VRML export.
#include <ProAsmcomppath.h>
#include <ProUtil.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "export_helpers.h"

namespace {

using namespace exporttest;
using modeltest::load;

// A box 10 x 20 x 30 at the origin, and a cylinder of radius 5, 10 high.
const std::string kBlock = boxPart({10, 20, 30}, "");
const char* const kRoller = R"({"type": "PRT", "solids": [{"cylinder":
  {"origin": [0, 0, 0], "axis": [0, 0, 1], "radius": 5, "height": 10}}]})";
const char* const kBare = R"({"type": "PRT"})";
// Blocks at (100, 0, 0) and, turned 90 degrees, at (0, 100, 0).
const std::string kCell = R"({"type": "ASM", "components": [)" +
                          component(1, "block", {100, 0, 0}, 0) + ", " +
                          component(2, "block", {0, 100, 0}, 90) + "]}";

struct Triangle {
    Vec normal;
    std::array<Vec, 3> corners;
};

std::vector<Triangle> readBinaryStl(const std::string& bytes) {
    std::vector<Triangle> out;
    if (bytes.size() < 84) {
        ADD_FAILURE() << "binary STL shorter than its header";
        return out;
    }
    EXPECT_NE(bytes.compare(0, 5, "solid"), 0) << "a binary header must not read as ASCII";
    auto u32 = [&bytes](std::size_t at) {
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i) {
            v = (v << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
        }
        return v;
    };
    auto f32 = [&u32](std::size_t at) {
        const std::uint32_t bits = u32(at);
        float f = 0.0f;
        std::memcpy(&f, &bits, sizeof f);
        return static_cast<double>(f);
    };
    const std::uint32_t n = u32(80);
    EXPECT_EQ(bytes.size(), 84u + 50u * n);
    for (std::uint32_t i = 0; i < n && 84u + 50u * (i + 1) <= bytes.size(); ++i) {
        const std::size_t at = 84 + 50 * static_cast<std::size_t>(i);
        Triangle t;
        for (int k = 0; k < 3; ++k) {
            t.normal[k] = f32(at + 4 * k);
            for (int c = 0; c < 3; ++c) {
                t.corners[c][k] = f32(at + 12 + 12 * c + 4 * k);
            }
        }
        EXPECT_EQ(bytes[at + 48], 0);
        EXPECT_EQ(bytes[at + 49], 0);
        out.push_back(t);
    }
    return out;
}

std::vector<Triangle> readAsciiStl(const std::string& text, const std::string& name) {
    std::vector<Triangle> out;
    std::istringstream in(text);
    std::string word;
    in >> word;
    EXPECT_EQ(word, "solid");
    in >> word;
    EXPECT_EQ(word, name);
    while (in >> word && word == "facet") {
        Triangle t;
        in >> word;
        EXPECT_EQ(word, "normal");
        in >> t.normal[0] >> t.normal[1] >> t.normal[2];
        in >> word;
        EXPECT_EQ(word, "outer");
        in >> word;
        for (Vec& c : t.corners) {
            in >> word;
            EXPECT_EQ(word, "vertex");
            in >> c[0] >> c[1] >> c[2];
        }
        in >> word;
        EXPECT_EQ(word, "endloop");
        in >> word;
        EXPECT_EQ(word, "endfacet");
        out.push_back(t);
    }
    EXPECT_EQ(word, "endsolid");
    in >> word;
    EXPECT_EQ(word, name);
    return out;
}

// p·m in the host's row-vector layout.
Vec moved(const Vec& p, const ProMatrix m) {
    Vec out{};
    for (int k = 0; k < 3; ++k) {
        out[k] = p[0] * m[0][k] + p[1] * m[1][k] + p[2] * m[2][k] + m[3][k];
    }
    return out;
}

std::vector<Vec> boxCorners(const Vec& size, const ProMatrix m) {
    std::vector<Vec> out;
    for (int i = 0; i < 8; ++i) {
        out.push_back(
            moved({(i & 1) ? size[0] : 0.0, (i & 2) ? size[1] : 0.0, (i & 4) ? size[2] : 0.0}, m));
    }
    return out;
}

double distance(const Vec& a, const Vec& b) {
    return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) +
                     (a[2] - b[2]) * (a[2] - b[2]));
}

// Twelve facets whose corners are exactly the moved box's corners (each used), whose
// normals are the unit normals of the written corners and point away from the centre.
void expectBoxFacets(const std::vector<Triangle>& facets, const std::vector<Vec>& corners,
                     double tolerance) {
    EXPECT_EQ(facets.size(), 12u);
    Vec centre{0, 0, 0};
    for (const Vec& c : corners) {
        for (int k = 0; k < 3; ++k) {
            centre[k] += c[k] / 8.0;
        }
    }
    std::vector<bool> used(corners.size(), false);
    for (const Triangle& t : facets) {
        Vec middle{0, 0, 0};
        for (const Vec& p : t.corners) {
            auto near = std::find_if(corners.begin(), corners.end(),
                                     [&](const Vec& c) { return distance(c, p) < tolerance; });
            ASSERT_NE(near, corners.end()) << p[0] << " " << p[1] << " " << p[2];
            used[static_cast<std::size_t>(near - corners.begin())] = true;
            for (int k = 0; k < 3; ++k) {
                middle[k] += p[k] / 3.0;
            }
        }
        const Vec u{t.corners[1][0] - t.corners[0][0], t.corners[1][1] - t.corners[0][1],
                    t.corners[1][2] - t.corners[0][2]};
        const Vec v{t.corners[2][0] - t.corners[0][0], t.corners[2][1] - t.corners[0][1],
                    t.corners[2][2] - t.corners[0][2]};
        Vec n{u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
        const double length = distance(n, {0, 0, 0});
        ASSERT_GT(length, 0.0);
        for (double& d : n) {
            d /= length;
        }
        EXPECT_LT(distance(n, t.normal), 1e-5) << "the normal of the written corners";
        const Vec out{middle[0] - centre[0], middle[1] - centre[1], middle[2] - centre[2]};
        EXPECT_GT(n[0] * out[0] + n[1] * out[1] + n[2] * out[2], 0.0) << "facing out";
    }
    EXPECT_EQ(std::count(used.begin(), used.end(), true), 8);
}

class SliceExportTest : public modeltest::ConnectedTest {
protected:
    void SetUp() override {
        ConnectedTest::SetUp();
        writeFile("block.prt", kBlock);
        writeFile("roller.prt", kRoller);
        writeFile("bare.prt", kBare);
        writeFile("cell.asm", kCell);
        for (auto [file, model] : {std::pair{"block.prt", &block}, std::pair{"roller.prt", &roller},
                                   std::pair{"bare.prt", &bare}, std::pair{"cell.asm", &cell}}) {
            ASSERT_EQ(load(file, model), PRO_TK_NO_ERROR) << simhost::lastLoadDiagnostic();
        }
    }

    ProError slice(ProMdl model, const std::string& file, ProImportExportFile type,
                   std::array<double, 2> quality, const ProMatrix* matrix,
                   ProAsmcomppath* path = nullptr) {
        ProFileName name{};
        for (std::size_t i = 0; i < file.size() && i + 1 < PRO_FILE_NAME_SIZE; ++i) {
            name[i] = static_cast<wchar_t>(file[i]);
        }
        ProMatrix copy{};
        if (matrix != nullptr) {
            std::memcpy(copy, *matrix, sizeof copy);
        }
        return ProIntfSliceFileExport(model, name, type, quality.data(),
                                      matrix != nullptr ? copy : nullptr, path);
    }

    std::size_t facetCount(ProMdl model, std::array<double, 2> quality) {
        EXPECT_EQ(slice(model, "count.stl", PRO_SLA_BINARY_FILE, quality, nullptr),
                  PRO_TK_NO_ERROR);
        return readBinaryStl(readText("count.stl")).size();
    }

    ProMdl block = nullptr;
    ProMdl roller = nullptr;
    ProMdl bare = nullptr;
    ProMdl cell = nullptr;
};

// Turned 90 degrees about z, moved by (1, 2, 3) and scaled by 2.
const ProMatrix kTurned = {{0, 2, 0, 0}, {-2, 0, 0, 0}, {0, 0, 2, 0}, {1, 2, 3, 1}};
// Mirrored in x and moved: facets must still face out.
const ProMatrix kMirror = {{-1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {-4, 5, 6, 1}};
const ProMatrix kIdentity = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};

TEST_F(SliceExportTest, BoxFacetsAreTheMovedCornersInBothForms) {
    REQUIRE_KERNEL();
    for (const ProMatrix* m : {&kTurned, &kMirror, &kIdentity}) {
        SCOPED_TRACE((*m)[3][0]);
        const std::vector<Vec> corners = boxCorners({10, 20, 30}, *m);
        ASSERT_EQ(slice(block, "block.stl", PRO_SLA_BINARY_FILE, {0.1, 0.5}, m), PRO_TK_NO_ERROR);
        expectBoxFacets(readBinaryStl(readText("block.stl")), corners, 1e-5);
        ASSERT_EQ(slice(block, "block.txt", PRO_SLA_ASCII_FILE, {0.1, 0.5}, m), PRO_TK_NO_ERROR);
        expectBoxFacets(readAsciiStl(readText("block.txt"), "BLOCK"), corners, 1e-12);
    }
    // No matrix: the identity.
    ASSERT_EQ(slice(block, "plain.stl", PRO_SLA_BINARY_FILE, {0.1, 0}, nullptr), PRO_TK_NO_ERROR);
    expectBoxFacets(readBinaryStl(readText("plain.stl")), boxCorners({10, 20, 30}, kIdentity),
                    1e-5);
}

TEST_F(SliceExportTest, AComponentPathRestrictsTheFile) {
    REQUIRE_KERNEL();
    ProAsmcomppath path{};
    path.owner = static_cast<ProSolid>(cell);
    path.table_num = 1;
    path.comp_id_table[0] = 2;
    ASSERT_EQ(slice(cell, "second.stl", PRO_SLA_BINARY_FILE, {0.1, 0}, &kIdentity, &path),
              PRO_TK_NO_ERROR);
    // The second block, turned 90 degrees at (0, 100, 0).
    const ProMatrix placed = {{0, 1, 0, 0}, {-1, 0, 0, 0}, {0, 0, 1, 0}, {0, 100, 0, 1}};
    expectBoxFacets(readBinaryStl(readText("second.stl")), boxCorners({10, 20, 30}, placed), 1e-4);
    ASSERT_EQ(slice(cell, "both.stl", PRO_SLA_BINARY_FILE, {0.1, 0}, nullptr), PRO_TK_NO_ERROR);
    EXPECT_EQ(readBinaryStl(readText("both.stl")).size(), 24u);

    // A path of another root, or to no component.
    ProAsmcomppath foreign = path;
    foreign.owner = static_cast<ProSolid>(block);
    EXPECT_EQ(slice(cell, "x.stl", PRO_SLA_BINARY_FILE, {0.1, 0}, nullptr, &foreign),
              PRO_TK_BAD_INPUTS);
    path.comp_id_table[0] = 9;
    EXPECT_EQ(slice(cell, "x.stl", PRO_SLA_BINARY_FILE, {0.1, 0}, nullptr, &path),
              PRO_TK_BAD_INPUTS);
}

TEST_F(SliceExportTest, QualityBoundsTheMesh) {
    REQUIRE_KERNEL();
    const std::size_t coarse = facetCount(roller, {1.0, 1.0});
    const std::size_t fine = facetCount(roller, {0.001, 0.1});
    EXPECT_GT(fine, coarse * 4) << coarse << " " << fine;
    // The same request after a finer one gives the same facets.
    EXPECT_EQ(facetCount(roller, {1.0, 1.0}), coarse);
    EXPECT_GT(facetCount(roller, {0.05, 0}), 0u) << "angle 0: the default";

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (std::array<double, 2> hostile : std::vector<std::array<double, 2>>{
             {0, 0.5},
             {-1, 0.5},
             {nan, 0.5},
             {inf, 0.5},
             {0.1, -0.5},
             {0.1, nan},
             {0.1, inf},
             // So fine that the mesh would run into millions of facets.
             {1e-9, 0.5},
             {0.1, 1e-6}}) {
        EXPECT_EQ(slice(roller, "x.stl", PRO_SLA_BINARY_FILE, hostile, nullptr), PRO_TK_BAD_INPUTS)
            << hostile[0] << " " << hostile[1];
    }
}

TEST_F(SliceExportTest, RefusalsNameTheirCause) {
    const ProMatrix flat = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 1}};
    const ProMatrix notFinite = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, INFINITY, 1}};
    EXPECT_EQ(slice(nullptr, "x.stl", PRO_SLA_BINARY_FILE, {0.1, 0}, nullptr), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(slice(block, "", PRO_SLA_BINARY_FILE, {0.1, 0}, nullptr), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(slice(block, "x.stp", PRO_STEP_FILE, {0.1, 0}, nullptr), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(slice(block, "x.stl", PRO_SLA_BINARY_FILE, {0.1, 0}, &flat), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(slice(block, "x.stl", PRO_SLA_BINARY_FILE, {0.1, 0}, &notFinite), PRO_TK_BAD_INPUTS);
    ProFileName name{L'x'};
    EXPECT_EQ(ProIntfSliceFileExport(block, name, PRO_SLA_BINARY_FILE, nullptr, nullptr, nullptr),
              PRO_TK_BAD_INPUTS);
    if (simhost::geometry::kernelAvailable()) {
        EXPECT_EQ(slice(bare, "bare.stl", PRO_SLA_BINARY_FILE, {0.1, 0}, nullptr),
                  PRO_TK_BAD_CONTEXT);
        EXPECT_EQ(slice(block, "no/dir/x.stl", PRO_SLA_BINARY_FILE, {0.1, 0}, nullptr),
                  PRO_TK_GENERAL_ERROR);
    } else {
        EXPECT_EQ(slice(block, "x.stl", PRO_SLA_BINARY_FILE, {0.1, 0}, nullptr),
                  simhost::geometry::kKernelNotAvailable);
    }
}

// The VRML file's points and triangles.
struct Vrml {
    std::string header;
    std::size_t points = 0;
    std::size_t triangles = 0;
};

Vrml readVrml(const std::string& text) {
    Vrml out;
    std::istringstream in(text);
    std::getline(in, out.header);
    std::string line;
    bool inPoints = false;
    bool inIndex = false;
    while (std::getline(in, line)) {
        if (line.find("point [") != std::string::npos) {
            inPoints = true;
        } else if (line.find("coordIndex [") != std::string::npos) {
            inIndex = true;
        } else if (line.find(']') != std::string::npos) {
            inPoints = inIndex = false;
        } else if (inPoints) {
            std::istringstream p(line);
            double x = 0;
            double y = 0;
            double z = 0;
            EXPECT_TRUE(p >> x >> y >> z) << line;
            ++out.points;
        } else if (inIndex) {
            std::istringstream t(line);
            int a = 0;
            int b = 0;
            int c = 0;
            int end = 0;
            char comma = 0;
            EXPECT_TRUE(t >> a >> comma >> b >> comma >> c >> comma >> end) << line;
            EXPECT_EQ(end, -1);
            ++out.triangles;
        }
    }
    return out;
}

TEST_F(SliceExportTest, VrmlIsWrittenToAFileOrIntoADirectory) {
    REQUIRE_KERNEL();
    modeltest::Path file("block.wrl");
    ASSERT_EQ(ProExportVRML(PRO_B_FALSE, block, nullptr, file.text), PRO_TK_NO_ERROR);
    const Vrml written = readVrml(readText("block.wrl"));
    EXPECT_EQ(written.header, "#VRML V2.0 utf8");
    EXPECT_EQ(written.points, 24u) << "four corners per face";
    EXPECT_EQ(written.triangles, 12u);

    std::filesystem::create_directory(workDir / "shapes");
    modeltest::Path directory("shapes");
    ASSERT_EQ(ProExportVRML(PRO_B_FALSE, roller, nullptr, directory.text), PRO_TK_NO_ERROR);
    const Vrml round = readVrml(readText("shapes/roller.wrl"));
    EXPECT_EQ(round.header, "#VRML V2.0 utf8");
    EXPECT_GT(round.triangles, 12u);

    EXPECT_EQ(ProExportVRML(PRO_B_FALSE, nullptr, nullptr, file.text), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProExportVRML(PRO_B_FALSE, block, nullptr, nullptr), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProExportVRML(PRO_B_FALSE, bare, nullptr, file.text), PRO_TK_BAD_CONTEXT);
    modeltest::Path nowhere("no/dir/x.wrl");
    EXPECT_EQ(ProExportVRML(PRO_B_FALSE, block, nullptr, nowhere.text), PRO_TK_GENERAL_ERROR);
}

}  // namespace
