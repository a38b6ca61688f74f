// The 3D export: its option objects, STEP files whose solids sit in the selected
// coordinate system's frame (parts, assemblies with their products, flattened ones), the
// IGES and ACIS stand-in files, and the refusals.
#include <ProIntf3Dexport.h>
#include <ProSelection.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "export_helpers.h"

namespace {

using namespace exporttest;
using modeltest::load;
namespace geo = simhost::geometry;

// Box 10 x 20 x 30 at the origin; coordinate systems: MODEL on the model's frame, TURNED
// at (5, 0, 0) turned 90 degrees about z, TILTED at (1, 2, 3) turned 30 degrees; a datum
// point 9.
const std::string kBlock = boxPart(
    {10, 20, 30},
    csysFeature(1, "MODEL", {0, 0, 0}, 0) + ", " + csysFeature(3, "TURNED", {5, 0, 0}, 90) + ", " +
        csysFeature(5, "TILTED", {1, 2, 3}, 30) +
        R"(, {"id": 8, "type": 931, "name": "TIP", "items": [{"id": 9, "type": 66, "xyz": [0, 0, 50]}]})");

// Datum geometry only.
const std::string kBare =
    R"({"type": "PRT", "features": {"list": [)" + csysFeature(1, "ONLY", {0, 0, 0}, 0) + "]}}";

// Blocks at (100, 0, 0) and (0, 100, 0) turned 90 degrees; the assembly's own coordinate
// system LIFT at (0, 0, 10).
const std::string kCell = R"({"type": "ASM", "features": {"list": [)" +
                          csysFeature(20, "LIFT", {0, 0, 10}, 0) + R"(]}, "components": [)" +
                          component(1, "block", {100, 0, 0}, 0) + ", " +
                          component(2, "block", {0, 100, 0}, 90) + "]}";

// Twice a sub-assembly (a block at (0, 0, 50)): at the origin and at (0, 0, 200); and a
// block of its own at (300, 0, 0).
const std::string kPair =
    R"({"type": "ASM", "components": [)" + component(1, "block", {0, 0, 50}, 0) + "]}";
const std::string kRack = R"({"type": "ASM", "features": {"list": [)" +
                          csysFeature(20, "BASE", {0, 0, 0}, 0) + R"(]}, "components": [
    {"id": 1, "model": "pair", "type": "ASM", "placement": )" +
                          placement({0, 0, 0}, 0) + R"(},
    {"id": 2, "model": "pair", "type": "ASM", "placement": )" +
                          placement({0, 0, 200}, 0) + "}, " +
                          component(3, "block", {300, 0, 0}, 0) + "]}";

// The box's corners given in a frame turned `degrees` about z at `origin`.
geo::Box3 expectedBox(const Vec& origin, double degrees, const Vec& size = {10, 20, 30},
                      const Vec& corner = {0, 0, 0}, double cornerDegrees = 0.0) {
    const double a = degrees * kPi / 180.0;
    const double c = cornerDegrees * kPi / 180.0;
    geo::Box3 box{{1e30, 1e30, 1e30}, {-1e30, -1e30, -1e30}};
    for (int i = 0; i < 8; ++i) {
        const Vec own{(i & 1) ? size[0] : 0.0, (i & 2) ? size[1] : 0.0, (i & 4) ? size[2] : 0.0};
        // The corner placed (turned about z, then moved), then seen from the frame.
        const Vec p{corner[0] + own[0] * std::cos(c) - own[1] * std::sin(c),
                    corner[1] + own[0] * std::sin(c) + own[1] * std::cos(c), corner[2] + own[2]};
        const Vec d{p[0] - origin[0], p[1] - origin[1], p[2] - origin[2]};
        const Vec local{d[0] * std::cos(a) + d[1] * std::sin(a),
                        -d[0] * std::sin(a) + d[1] * std::cos(a), d[2]};
        for (int k = 0; k < 3; ++k) {
            box.min[k] = std::min(box.min[k], local[k]);
            box.max[k] = std::max(box.max[k], local[k]);
        }
    }
    return box;
}

void expectBox(const geo::Box3& actual, const geo::Box3& expected) {
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(actual.min[k], expected.min[k], 1e-5) << "min " << k;
        EXPECT_NEAR(actual.max[k], expected.max[k], 1e-5) << "max " << k;
    }
}

// The three option objects of one export, released with the object.
struct Options {
    ProOutputBrepRepresentation brep = nullptr;
    ProOutputInclusion inclusion = nullptr;
    ProOutputLayerOptions layers = nullptr;
    explicit Options(bool surfaces = false) {
        EXPECT_EQ(ProOutputBrepRepresentationAlloc(&brep), PRO_TK_NO_ERROR);
        EXPECT_EQ(ProOutputBrepRepresentationFlagsSet(
                      brep, PRO_B_FALSE, surfaces ? PRO_B_TRUE : PRO_B_FALSE,
                      surfaces ? PRO_B_FALSE : PRO_B_TRUE, PRO_B_FALSE),
                  PRO_TK_NO_ERROR);
        EXPECT_EQ(ProOutputInclusionAlloc(&inclusion), PRO_TK_NO_ERROR);
        EXPECT_EQ(ProOutputInclusionFlagsSet(inclusion, PRO_B_TRUE, PRO_B_FALSE, PRO_B_FALSE),
                  PRO_TK_NO_ERROR);
        EXPECT_EQ(ProOutputLayerOptionsAlloc(&layers), PRO_TK_NO_ERROR);
        EXPECT_EQ(ProOutputLayerOptionsAutoidSet(layers, PRO_B_TRUE), PRO_TK_NO_ERROR);
    }
    ~Options() {
        ProOutputBrepRepresentationFree(brep);
        ProOutputInclusionFree(inclusion);
        ProOutputLayerOptionsFree(layers);
    }
    Options(const Options&) = delete;
    Options& operator=(const Options&) = delete;
};

template <typename Enum>
Enum asEnum(int value) {
    Enum out{};
    std::memcpy(&out, &value, sizeof out);
    return out;
}

class Intf3dExportTest : public modeltest::ConnectedTest {
protected:
    void SetUp() override {
        ConnectedTest::SetUp();
        writeFile("block.prt", kBlock);
        writeFile("bare.prt", kBare);
        writeFile("cell.asm", kCell);
        ASSERT_EQ(load("block.prt", &block), PRO_TK_NO_ERROR) << simhost::lastLoadDiagnostic();
        ASSERT_EQ(load("bare.prt", &bare), PRO_TK_NO_ERROR) << simhost::lastLoadDiagnostic();
        ASSERT_EQ(load("cell.asm", &cell), PRO_TK_NO_ERROR) << simhost::lastLoadDiagnostic();
    }

    ProError write(ProMdl solid, int type, const std::string& file, int config, ProSelection csys,
                   const Options& options) {
        modeltest::Path path(file);
        return ProIntf3DFileWrite(static_cast<ProSolid>(solid), asEnum<ProIntf3DExportType>(type),
                                  path.text, asEnum<ProOutputAssemblyConfiguration>(config), csys,
                                  options.brep, options.inclusion, options.layers);
    }

    // The STEP file read back: its bounding box in its own frame and its volume.
    void readStep(const std::string& file, geo::Box3& box, double& volume) {
        int id = 0;
        ASSERT_EQ(geo::solidStepRead(workDir / file, &id), PRO_TK_NO_ERROR);
        EXPECT_EQ(geo::solidsBoundingBox({{id, geo::Placement{}}}, geo::Placement{}, &box),
                  PRO_TK_NO_ERROR);
        EXPECT_EQ(geo::solidVolume(id, &volume), PRO_TK_NO_ERROR);
        geo::solidFree(id);
    }

    static int count(const std::string& text, const std::string& what) {
        int n = 0;
        for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
            ++n;
        }
        return n;
    }

    ProMdl block = nullptr;
    ProMdl bare = nullptr;
    ProMdl cell = nullptr;
};

TEST_F(Intf3dExportTest, OptionObjectsAreLiveObjectsOfTheirOwnKind) {
    ProOutputBrepRepresentation brep = nullptr;
    ProOutputInclusion inclusion = nullptr;
    ProOutputLayerOptions layers = nullptr;
    ASSERT_EQ(ProOutputBrepRepresentationAlloc(&brep), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProOutputInclusionAlloc(&inclusion), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProOutputLayerOptionsAlloc(&layers), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProOutputBrepRepresentationAlloc(nullptr), PRO_TK_BAD_INPUTS);

    // Nothing to write as: refused, the object keeps its flags.
    EXPECT_EQ(ProOutputBrepRepresentationFlagsSet(brep, PRO_B_FALSE, PRO_B_FALSE, PRO_B_FALSE,
                                                  PRO_B_FALSE),
              PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProOutputBrepRepresentationFlagsSet(brep, PRO_B_TRUE, PRO_B_FALSE, PRO_B_FALSE,
                                                  PRO_B_FALSE),
              PRO_TK_NO_ERROR);
    // One kind's object passed as another's: refused, and it stays live.
    auto* brepAsInclusion = reinterpret_cast<ProOutputInclusion>(brep);
    auto* inclusionAsLayers = reinterpret_cast<ProOutputLayerOptions>(inclusion);
    auto* layersAsBrep = reinterpret_cast<ProOutputBrepRepresentation>(layers);
    EXPECT_EQ(ProOutputInclusionFree(brepAsInclusion), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProOutputLayerOptionsFree(inclusionAsLayers), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProOutputBrepRepresentationFree(layersAsBrep), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProOutputInclusionFlagsSet(brepAsInclusion, PRO_B_TRUE, PRO_B_TRUE, PRO_B_TRUE),
              PRO_TK_BAD_INPUTS);

    EXPECT_EQ(ProOutputBrepRepresentationFree(brep), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProOutputInclusionFree(inclusion), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProOutputLayerOptionsFree(layers), PRO_TK_NO_ERROR);
    // Freed: no second free, no use.
    EXPECT_EQ(ProOutputBrepRepresentationFree(brep), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProOutputInclusionFree(inclusion), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProOutputLayerOptionsFree(layers), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProOutputLayerOptionsAutoidSet(layers, PRO_B_TRUE), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProOutputBrepRepresentationFree(nullptr), PRO_TK_BAD_INPUTS);
}

TEST_F(Intf3dExportTest, OptionObjectsLeftLiveAreTakenBackAtTheSessionsEnd) {
    const long before = simhost::liveObjects();
    ProOutputBrepRepresentation brep = nullptr;
    ProOutputInclusion inclusion = nullptr;
    ProOutputLayerOptions layers = nullptr;
    ASSERT_EQ(ProOutputBrepRepresentationAlloc(&brep), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProOutputInclusionAlloc(&inclusion), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProOutputLayerOptionsAlloc(&layers), PRO_TK_NO_ERROR);
    EXPECT_EQ(simhost::liveObjects(), before + 3);
    simhost::injectFault("ProOutputInclusionFree", PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(ProOutputInclusionFree(inclusion), PRO_TK_GENERAL_ERROR);

    simhost::reset();
    EXPECT_EQ(simhost::liveObjects(), 0);
    // Taken back: a free after the end is refused, not made twice.
    EXPECT_EQ(ProOutputBrepRepresentationFree(brep), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProOutputInclusionFree(inclusion), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProOutputLayerOptionsFree(layers), PRO_TK_BAD_INPUTS);
}

TEST_F(Intf3dExportTest, StepOfAPartIsInTheSelectedFrame) {
    REQUIRE_KERNEL();
    Options options;
    struct Case {
        int csys;
        Vec origin;
        double degrees;
    };
    for (const Case& c : {Case{2, {0, 0, 0}, 0}, Case{4, {5, 0, 0}, 90}, Case{6, {1, 2, 3}, 30}}) {
        SCOPED_TRACE("csys " + std::to_string(c.csys));
        ItemSelection csys(block, c.csys);
        ASSERT_EQ(write(block, PRO_INTF_EXPORT_STEP, "block.stp", PRO_OUTPUT_ASSEMBLY_SINGLE_FILE,
                        csys.selection, options),
                  PRO_TK_NO_ERROR);
        geo::Box3 box;
        double volume = 0.0;
        readStep("block.stp", box, volume);
        expectBox(box, expectedBox(c.origin, c.degrees));
        EXPECT_NEAR(volume, 6000.0, 1e-6);
        const std::string text = readText("block.stp");
        EXPECT_NE(text.find("ISO-10303-21"), std::string::npos);
        EXPECT_NE(text.find("AUTOMOTIVE_DESIGN"), std::string::npos) << "AP214 schema";
        EXPECT_NE(text.find("MANIFOLD_SOLID_BREP"), std::string::npos);
        EXPECT_NE(text.find("PRODUCT('BLOCK'"), std::string::npos);
    }
}

TEST_F(Intf3dExportTest, SurfacesAndSolidsAreWrittenAsAsked) {
    REQUIRE_KERNEL();
    ItemSelection csys(block, 2);
    {
        Options surfaces(true);
        ASSERT_EQ(write(block, PRO_INTF_EXPORT_STEP, "faces.stp", PRO_OUTPUT_ASSEMBLY_SINGLE_FILE,
                        csys.selection, surfaces),
                  PRO_TK_NO_ERROR);
    }
    const std::string faces = readText("faces.stp");
    EXPECT_NE(faces.find("SHELL_BASED_SURFACE_MODEL"), std::string::npos);
    EXPECT_EQ(faces.find("MANIFOLD_SOLID_BREP"), std::string::npos);
    EXPECT_EQ(count(faces, "ADVANCED_FACE("), 6);

    // The same request writes the same bytes: no clock in the file.
    Options solid;
    ASSERT_EQ(write(block, PRO_INTF_EXPORT_STEP, "a.stp", 0, csys.selection, solid),
              PRO_TK_NO_ERROR);
    ASSERT_EQ(write(block, PRO_INTF_EXPORT_STEP, "b.stp", 0, csys.selection, solid),
              PRO_TK_NO_ERROR);
    EXPECT_EQ(readText("a.stp"), readText("b.stp"));
}

TEST_F(Intf3dExportTest, AssemblyStepKeepsItsProductsAndPlacements) {
    REQUIRE_KERNEL();
    Options options;
    // The assembly's LIFT through a root-only path; the second block's TURNED through the
    // path to component 2.
    ItemSelection lift(cell, {}, cell, 21);
    ItemSelection turned(cell, {2}, block, 4);
    ASSERT_EQ(write(cell, PRO_INTF_EXPORT_STEP, "cell.stp", PRO_OUTPUT_ASSEMBLY_SINGLE_FILE,
                    lift.selection, options),
              PRO_TK_NO_ERROR);
    const std::string structured = readText("cell.stp");
    EXPECT_EQ(count(structured, "PRODUCT('BLOCK'"), 1) << "one product per part model";
    EXPECT_EQ(count(structured, "PRODUCT('CELL'"), 1);
    EXPECT_EQ(count(structured, "NEXT_ASSEMBLY_USAGE_OCCURRENCE("), 2);
    EXPECT_EQ(count(structured, "MANIFOLD_SOLID_BREP("), 1) << "the part's solid written once";
    geo::Box3 box;
    double volume = 0.0;
    readStep("cell.stp", box, volume);
    EXPECT_NEAR(volume, 12000.0, 1e-6);
    geo::Box3 first = expectedBox({0, 0, 10}, 0, {10, 20, 30}, {100, 0, 0});
    geo::Box3 second = expectedBox({0, 0, 10}, 0, {10, 20, 30}, {0, 100, 0}, 90);
    geo::Box3 both;
    for (int k = 0; k < 3; ++k) {
        both.min[k] = std::min(first.min[k], second.min[k]);
        both.max[k] = std::max(first.max[k], second.max[k]);
    }
    expectBox(box, both);

    ASSERT_EQ(write(cell, PRO_INTF_EXPORT_STEP, "flat.stp", PRO_OUTPUT_ASSEMBLY_FLAT_FILE,
                    turned.selection, options),
              PRO_TK_NO_ERROR);
    const std::string flat = readText("flat.stp");
    EXPECT_EQ(count(flat, "PRODUCT('"), 1);
    EXPECT_EQ(count(flat, "PRODUCT('CELL'"), 1);
    EXPECT_EQ(count(flat, "MANIFOLD_SOLID_BREP("), 2);
    // Seen from TURNED of the second block: that block as from its own TURNED.
    readStep("flat.stp", box, volume);
    EXPECT_NEAR(volume, 12000.0, 1e-6);
    // TURNED of component 2 sits at its placement applied to (5, 0, 0): (0, 105, 0),
    // turned 180 degrees in all.
    geo::Box3 seenFirst = expectedBox({0, 105, 0}, 180, {10, 20, 30}, {100, 0, 0});
    geo::Box3 seenSecond = expectedBox({0, 105, 0}, 180, {10, 20, 30}, {0, 100, 0}, 90);
    for (int k = 0; k < 3; ++k) {
        both.min[k] = std::min(seenFirst.min[k], seenSecond.min[k]);
        both.max[k] = std::max(seenFirst.max[k], seenSecond.max[k]);
    }
    expectBox(box, both);
    expectBox(seenSecond, expectedBox({5, 0, 0}, 90));
}

TEST_F(Intf3dExportTest, SubAssembliesAreProductsOfTheirOwn) {
    REQUIRE_KERNEL();
    writeFile("pair.asm", kPair);
    writeFile("rack.asm", kRack);
    ProMdl rack = nullptr;
    ASSERT_EQ(load("rack.asm", &rack), PRO_TK_NO_ERROR) << simhost::lastLoadDiagnostic();
    Options options;
    ItemSelection base(rack, {}, rack, 21);
    ASSERT_EQ(write(rack, PRO_INTF_EXPORT_STEP, "rack.stp", PRO_OUTPUT_ASSEMBLY_SINGLE_FILE,
                    base.selection, options),
              PRO_TK_NO_ERROR);
    const std::string text = readText("rack.stp");
    for (const char* product : {"PRODUCT('RACK'", "PRODUCT('PAIR'", "PRODUCT('BLOCK'"}) {
        EXPECT_EQ(count(text, product), 1) << product;
    }
    // Rack: pair, pair, block; pair: block, described once.
    EXPECT_EQ(count(text, "NEXT_ASSEMBLY_USAGE_OCCURRENCE("), 4);
    EXPECT_EQ(count(text, "MANIFOLD_SOLID_BREP("), 1);
    geo::Box3 box;
    double volume = 0.0;
    readStep("rack.stp", box, volume);
    EXPECT_NEAR(volume, 3 * 6000.0, 1e-6);
    // The rack's own block stands on z = 0; the upper pair's block reaches 200 + 50 + 30.
    expectBox(box, {{0, 0, 0}, {310, 20, 280}});
}

TEST_F(Intf3dExportTest, IgesAndAcisStandinAreWritten) {
    REQUIRE_KERNEL();
    Options options;
    ItemSelection turned(block, 4);
    ASSERT_EQ(write(block, PRO_INTF_EXPORT_IGES, "block.igs", 0, turned.selection, options),
              PRO_TK_NO_ERROR);
    std::istringstream iges(readText("block.igs"));
    std::string line;
    std::string sections;
    int trimmed = 0;
    while (std::getline(iges, line)) {
        ASSERT_EQ(line.size(), 80u) << line;
        if (sections.empty() || sections.back() != line[72]) {
            sections += line[72];
        }
        if (line[72] == 'D' && line.compare(0, 8, "     144") == 0) {
            ++trimmed;
        }
    }
    EXPECT_EQ(sections, "SGDPT");
    EXPECT_EQ(trimmed, 6 * 2) << "a directory entry of two lines per trimmed face";
    ASSERT_EQ(write(block, PRO_INTF_EXPORT_IGES, "again.igs", 0, turned.selection, options),
              PRO_TK_NO_ERROR);
    EXPECT_EQ(readText("block.igs"), readText("again.igs"));

    ASSERT_EQ(write(block, PRO_INTF_EXPORT_SAT, "block.sat", 0, turned.selection, options),
              PRO_TK_NO_ERROR);
    std::istringstream sat(readText("block.sat"));
    std::getline(sat, line);
    EXPECT_EQ(line, "SIMHOST-ACIS-STANDIN 1");
    std::getline(sat, line);
    EXPECT_EQ(line, "units mm");
    // The kernel's text form follows, after the blank line it starts with.
    std::string shape;
    sat >> std::ws;
    std::getline(sat, shape);
    EXPECT_EQ(shape.rfind("CASCADE Topology V1", 0), 0u) << shape;
    EXPECT_EQ(count(readText("block.sat"), "\nSo"), 1) << "one solid";
}

TEST_F(Intf3dExportTest, RefusalsNameTheirCause) {
    Options options;
    ItemSelection csys(block, 2);
    ItemSelection point(block, 9, PRO_POINT);
    ItemSelection foreign(bare, 2);
    ItemSelection missing(block, 77);
    modeltest::Path file("out.stp");

    EXPECT_EQ(ProIntf3DFileWrite(nullptr, PRO_INTF_EXPORT_STEP, file.text,
                                 PRO_OUTPUT_ASSEMBLY_SINGLE_FILE, csys.selection, options.brep,
                                 options.inclusion, options.layers),
              PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProIntf3DFileWrite(static_cast<ProSolid>(block), PRO_INTF_EXPORT_STEP, nullptr,
                                 PRO_OUTPUT_ASSEMBLY_SINGLE_FILE, csys.selection, options.brep,
                                 options.inclusion, options.layers),
              PRO_TK_BAD_INPUTS);
    EXPECT_EQ(write(block, PRO_INTF_EXPORT_STEP, "out.stp", 1, nullptr, options),
              PRO_TK_BAD_INPUTS);
    EXPECT_EQ(write(block, 0, "out.stp", 1, csys.selection, options), PRO_TK_BAD_INPUTS);
    // A number the enumeration can hold but does not name (a C++ caller cannot form one
    // beyond its range).
    EXPECT_EQ(write(block, 30, "out.stp", 1, csys.selection, options), PRO_TK_BAD_INPUTS);
    // Option objects of the wrong kind, or freed.
    EXPECT_EQ(ProIntf3DFileWrite(static_cast<ProSolid>(block), PRO_INTF_EXPORT_STEP, file.text,
                                 PRO_OUTPUT_ASSEMBLY_SINGLE_FILE, csys.selection,
                                 reinterpret_cast<ProOutputBrepRepresentation>(options.layers),
                                 options.inclusion, options.layers),
              PRO_TK_BAD_INPUTS);
    {
        Options gone;
        ProOutputInclusionFree(gone.inclusion);
        EXPECT_EQ(write(block, PRO_INTF_EXPORT_STEP, "out.stp", 1, csys.selection, gone),
                  PRO_TK_BAD_INPUTS);
        gone.inclusion = nullptr;
    }
    // Not a coordinate system of this solid.
    EXPECT_EQ(write(block, PRO_INTF_EXPORT_STEP, "out.stp", 1, point.selection, options),
              PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(write(block, PRO_INTF_EXPORT_STEP, "out.stp", 1, foreign.selection, options),
              PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(write(block, PRO_INTF_EXPORT_STEP, "out.stp", 1, missing.selection, options),
              PRO_TK_E_NOT_FOUND);
    ItemSelection wrongRoot(block, {}, block, 2);
    EXPECT_EQ(write(cell, PRO_INTF_EXPORT_STEP, "out.stp", 1, wrongRoot.selection, options),
              PRO_TK_E_NOT_FOUND);
    ItemSelection noSuchComponent(cell, {7}, block, 2);
    EXPECT_EQ(write(cell, PRO_INTF_EXPORT_STEP, "out.stp", 1, noSuchComponent.selection, options),
              PRO_TK_E_NOT_FOUND);
    // Formats and configurations the host does not write.
    EXPECT_EQ(write(block, PRO_INTF_EXPORT_VDA, "out.vda", 1, csys.selection, options),
              PRO_TK_UNSUPPORTED);
    ItemSelection lift(cell, {}, cell, 21);
    EXPECT_EQ(write(cell, PRO_INTF_EXPORT_STEP, "out.stp", PRO_OUTPUT_ASSEMBLY_MULTI_FILES,
                    lift.selection, options),
              PRO_TK_UNSUPPORTED);
    EXPECT_EQ(write(cell, PRO_INTF_EXPORT_STEP, "out.stp", PRO_OUTPUT_ASSEMBLY_PARTS,
                    lift.selection, options),
              PRO_TK_UNSUPPORTED);
    if (geo::kernelAvailable()) {
        // Nothing to write, or nowhere to write it.
        ItemSelection only(bare, 2);
        EXPECT_EQ(write(bare, PRO_INTF_EXPORT_STEP, "bare.stp", 1, only.selection, options),
                  PRO_TK_BAD_CONTEXT);
        EXPECT_FALSE(std::ifstream((workDir / "bare.stp").string()).good());
        for (int type : {PRO_INTF_EXPORT_STEP, PRO_INTF_EXPORT_IGES, PRO_INTF_EXPORT_SAT}) {
            EXPECT_EQ(write(block, type, "no/such/dir/out", 1, csys.selection, options),
                      PRO_TK_GENERAL_ERROR)
                << type;
        }
    } else {
        EXPECT_EQ(write(block, PRO_INTF_EXPORT_STEP, "out.stp", 1, csys.selection, options),
                  geo::kKernelNotAvailable);
    }
}

}  // namespace
