// Shrinkwrap: option objects and their ranges, the merged outer shape of a part or an
// assembly into another part (with inner cavities filled on request), faceted STL files
// whose fineness follows the quality, part model files, and the refusals.
#include <ProImportfeat.h>
#include <ProIntfimport.h>
#include <ProShrinkwrap.h>
#include <ProSolid.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "import_helpers.h"

namespace {

using namespace importtest;
using testkit::BoxShape;

// Two cubes of 20 overlapping in a cube of 10: their union holds 15000.
const char* const kOverlapping = R"({"solids": [
  {"box": {"corner": [0, 0, 0], "size": [20, 20, 20]}},
  {"box": {"corner": [10, 10, 10], "size": [20, 20, 20]}}]})";
constexpr double kUnion = 15000.0;

const char* const kRound = R"({"solids": [
  {"cylinder": {"origin": [0, 0, 0], "axis": [0, 0, 1], "radius": 10, "height": 5}}]})";

struct Options {
    ProShrinkwrapOptions handle = nullptr;
    explicit Options(ProShrinkwrapCreationMethod method) {
        EXPECT_EQ(ProShrinkwrapoptionsAlloc(method, &handle), PRO_TK_NO_ERROR);
    }
    ~Options() { ProShrinkwrapoptionsFree(handle); }
    Options(const Options&) = delete;
    Options& operator=(const Options&) = delete;
};

// The facets of an ASCII STL text; -1 when it is not one (each facet a normal, three
// vertices within the box, closed by its end words).
int stlFacets(const std::string& text, const simhost::geometry::Box3& within) {
    std::istringstream in(text);
    std::string word;
    if (!(in >> word) || word != "solid") {
        return -1;
    }
    std::getline(in, word);
    int facets = 0;
    while (in >> word && word == "facet") {
        double n[3] = {};
        std::string normal;
        std::string outer;
        std::string loop;
        if (!(in >> normal >> n[0] >> n[1] >> n[2] >> outer >> loop) || normal != "normal") {
            return -1;
        }
        for (int v = 0; v < 3; ++v) {
            std::string vertex;
            double p[3] = {};
            if (!(in >> vertex >> p[0] >> p[1] >> p[2]) || vertex != "vertex") {
                return -1;
            }
            for (int k = 0; k < 3; ++k) {
                if (p[k] < within.min[k] - 1e-6 || p[k] > within.max[k] + 1e-6) {
                    return -1;
                }
            }
        }
        std::string endloop;
        std::string endfacet;
        if (!(in >> endloop >> endfacet) || endloop != "endloop" || endfacet != "endfacet") {
            return -1;
        }
        ++facets;
    }
    return word == "endsolid" ? facets : -1;
}

class ShrinkwrapTest : public modeltest::ConnectedTest {
protected:
    ProSolid loadPart(const std::string& file, const char* content) {
        writeFile(file, content);
        ProMdl model = nullptr;
        EXPECT_EQ(modeltest::load(file, &model), PRO_TK_NO_ERROR) << simhost::lastLoadDiagnostic();
        return static_cast<ProSolid>(model);
    }
    ProError toFile(ProSolid solid, const std::string& file, const Options& options) {
        modeltest::Path path(file);
        return ProSolidShrinkwrapCreate(solid, nullptr, path.text, options.handle);
    }
};

TEST_F(ShrinkwrapTest, OptionsAreLiveObjectsWithCheckedValues) {
    ProShrinkwrapOptions options = nullptr;
    EXPECT_EQ(ProShrinkwrapoptionsAlloc(static_cast<ProShrinkwrapCreationMethod>(3), &options),
              PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProShrinkwrapoptionsAlloc(PRO_SWCREATE_FACETED_SOLID, nullptr), PRO_TK_BAD_INPUTS);
    ASSERT_EQ(ProShrinkwrapoptionsAlloc(PRO_SWCREATE_FACETED_SOLID, &options), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProShrinkwrapoptionsQualitySet(options, 0), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProShrinkwrapoptionsQualitySet(options, 11), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProShrinkwrapoptionsQualitySet(options, 1), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProShrinkwrapoptionsQualitySet(options, 10), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProShrinkwrapoptionsFacetedformatSet(options, PRO_SWFACETED_VRML), PRO_TK_NO_ERROR);
    EXPECT_EQ(
        ProShrinkwrapoptionsFacetedformatSet(options, static_cast<ProShrinkwrapFacetedFormat>(4)),
        PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProShrinkwrapoptionsAutoholefillingSet(options, PRO_B_TRUE), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProShrinkwrapoptionsAutoholefillingSet(options, static_cast<ProBoolean>(2)),
              PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProShrinkwrapoptionsFree(options), PRO_TK_NO_ERROR);
    // Dead now: every use is refused.
    EXPECT_EQ(ProShrinkwrapoptionsFree(options), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProShrinkwrapoptionsQualitySet(options, 5), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProShrinkwrapoptionsAutoholefillingSet(options, PRO_B_TRUE), PRO_TK_BAD_INPUTS);
    ProSolid part = static_cast<ProSolid>(modeltest::create(L"P"));
    modeltest::Path path("out.stl");
    EXPECT_EQ(ProSolidShrinkwrapCreate(part, nullptr, path.text, options), PRO_TK_BAD_INPUTS);
}

TEST_F(ShrinkwrapTest, MergedSolidIsTheUnionAndSurvivesSaveAndLoad) {
    REQUIRE_IMPORT_KERNEL();
    ProSolid source = loadPart("pair.prt", kOverlapping);
    ProSolid target = static_cast<ProSolid>(modeltest::create(L"WRAP"));
    Options options(PRO_SWCREATE_MERGED_SOLID);
    ASSERT_EQ(ProSolidShrinkwrapCreate(source, target, nullptr, options.handle), PRO_TK_NO_ERROR);
    EXPECT_NEAR(volumeOf(target), kUnion, kVolumeTolerance);
    // One solid, not two overlapping ones: the wrap's own volume is the union's.
    expectBounds(boundsOf(target), {0, 0, 0}, {30, 30, 30});
    ASSERT_EQ(ProMdlSave(target), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlErase(target), PRO_TK_NO_ERROR);
    ProMdl loaded = nullptr;
    ASSERT_EQ(modeltest::load("wrap.prt", &loaded), PRO_TK_NO_ERROR)
        << simhost::lastLoadDiagnostic();
    EXPECT_NEAR(volumeOf(loaded), kUnion, kVolumeTolerance);
}

TEST_F(ShrinkwrapTest, HoleFillingFillsInnerCavitiesOnly) {
    REQUIRE_IMPORT_KERNEL();
    const BoxShape hollow{{0, 0, 0}, {40, 40, 40}, true};
    ASSERT_TRUE(testkit::writeAcisStandin((workDir / "hollow.sat").string(), {hollow}));
    ProSolid source = static_cast<ProSolid>(modeltest::create(L"HOLLOW"));
    FileSource file(PRO_INTF_ACIS, "hollow.sat");
    ProFeature feature{};
    ASSERT_EQ(ProImportfeatCreate(source, &file.source, nullptr, nullptr, &feature),
              PRO_TK_NO_ERROR);
    ProSolid kept = static_cast<ProSolid>(modeltest::create(L"KEPT"));
    ProSolid filled = static_cast<ProSolid>(modeltest::create(L"FILLED"));
    Options plain(PRO_SWCREATE_MERGED_SOLID);
    Options filling(PRO_SWCREATE_MERGED_SOLID);
    ASSERT_EQ(ProShrinkwrapoptionsAutoholefillingSet(filling.handle, PRO_B_TRUE), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProSolidShrinkwrapCreate(source, kept, nullptr, plain.handle), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProSolidShrinkwrapCreate(source, filled, nullptr, filling.handle), PRO_TK_NO_ERROR);
    EXPECT_NEAR(volumeOf(kept), boxVolume(hollow), kVolumeTolerance);
    EXPECT_NEAR(volumeOf(filled), 64000.0, kVolumeTolerance);
}

TEST_F(ShrinkwrapTest, AnAssemblyWrapsItsPlacedPartsIntoOneSolid) {
    REQUIRE_IMPORT_KERNEL();
    // Two cubes of 20, the second moved by (10, 10, 10) and turned a quarter about z
    // (which maps it onto the same place as unturned): they overlap in a cube of 10.
    const std::vector<testkit::FilePart> parts = {
        {"left", BoxShape{{0, 0, 0}, {20, 20, 20}, false}, 0.0, {0, 0, 0}},
        {"right", BoxShape{{0, -20, 0}, {20, 20, 20}, false}, 90.0, {10, 10, 10}},
    };
    ASSERT_TRUE(testkit::writeStepAssembly((workDir / "pair.stp").string(), "pair", parts));
    modeltest::Path path("pair.stp");
    modeltest::Name name(L"PAIR");
    ProMdl assembly = nullptr;
    ASSERT_EQ(ProIntfimportModelCreate(path.text, PRO_INTF_IMPORT_STEP, PRO_MDL_ASSEMBLY, name.text,
                                       nullptr, nullptr, &assembly),
              PRO_TK_NO_ERROR);
    ProSolid target = static_cast<ProSolid>(modeltest::create(L"WRAP"));
    Options options(PRO_SWCREATE_MERGED_SOLID);
    ASSERT_EQ(
        ProSolidShrinkwrapCreate(static_cast<ProSolid>(assembly), target, nullptr, options.handle),
        PRO_TK_NO_ERROR);
    EXPECT_NEAR(volumeOf(target), kUnion, kVolumeTolerance);
    expectBounds(boundsOf(target), {0, 0, 0}, {30, 30, 30});
}

TEST_F(ShrinkwrapTest, StlFilesAreRealMeshesThatFollowTheQuality) {
    REQUIRE_IMPORT_KERNEL();
    ProSolid pair = loadPart("pair.prt", kOverlapping);
    Options options(PRO_SWCREATE_FACETED_SOLID);
    ASSERT_EQ(ProShrinkwrapoptionsFacetedformatSet(options.handle, PRO_SWFACETED_STL),
              PRO_TK_NO_ERROR);
    ASSERT_EQ(toFile(pair, "pair", options), PRO_TK_NO_ERROR);
    // Planar faces only: two triangles per rectangle, the union's L-shaped faces more.
    const int pairFacets = stlFacets(readText("pair.stl"), {{0, 0, 0}, {30, 30, 30}});
    EXPECT_GE(pairFacets, 24);
    EXPECT_LE(pairFacets, 80);

    ProSolid round = loadPart("round.prt", kRound);
    ASSERT_EQ(ProShrinkwrapoptionsQualitySet(options.handle, 1), PRO_TK_NO_ERROR);
    ASSERT_EQ(toFile(round, "coarse.stl", options), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProShrinkwrapoptionsQualitySet(options.handle, 10), PRO_TK_NO_ERROR);
    ASSERT_EQ(toFile(round, "fine.stl", options), PRO_TK_NO_ERROR);
    const simhost::geometry::Box3 within{{-10, -10, 0}, {10, 10, 5}};
    const int coarse = stlFacets(readText("coarse.stl"), within);
    const int fine = stlFacets(readText("fine.stl"), within);
    EXPECT_GT(coarse, 20);
    EXPECT_GT(fine, 2 * coarse);
    EXPECT_LT(fine, 20000);
}

TEST_F(ShrinkwrapTest, PartFormatsWriteALoadablePartFile) {
    REQUIRE_IMPORT_KERNEL();
    ProSolid pair = loadPart("pair.prt", kOverlapping);
    Options options(PRO_SWCREATE_FACETED_SOLID);
    ASSERT_EQ(ProShrinkwrapoptionsFacetedformatSet(options.handle, PRO_SWFACETED_PART),
              PRO_TK_NO_ERROR);
    const int solidsBefore = simhost::geometry::solidCount();
    ASSERT_EQ(toFile(pair, "outer", options), PRO_TK_NO_ERROR);
    // The file's part is not in session, nor are its solids.
    EXPECT_EQ(simhost::geometry::solidCount(), solidsBefore);
    ASSERT_EQ(ProShrinkwrapoptionsFacetedformatSet(options.handle, PRO_SWFACETED_VRML),
              PRO_TK_NO_ERROR);
    EXPECT_EQ(toFile(pair, "outer.wrl", options), PRO_TK_UNSUPPORTED);
    ProMdl loaded = nullptr;
    ASSERT_EQ(modeltest::load("outer.prt", &loaded), PRO_TK_NO_ERROR)
        << simhost::lastLoadDiagnostic();
    EXPECT_NEAR(volumeOf(loaded), kUnion, kVolumeTolerance);
}

TEST_F(ShrinkwrapTest, WrongTargetsAreRefused) {
    REQUIRE_IMPORT_KERNEL();
    ProSolid pair = loadPart("pair.prt", kOverlapping);
    ProSolid target = static_cast<ProSolid>(modeltest::create(L"WRAP"));
    ProSolid assembly = static_cast<ProSolid>(modeltest::create(L"GROUP", PRO_ASSEMBLY));
    ProSolid empty = static_cast<ProSolid>(modeltest::create(L"EMPTY"));
    Options merged(PRO_SWCREATE_MERGED_SOLID);
    Options faceted(PRO_SWCREATE_FACETED_SOLID);
    Options subset(PRO_SWCREATE_SURF_SUBSET);
    modeltest::Path path("out.stl");
    EXPECT_EQ(ProSolidShrinkwrapCreate(pair, target, path.text, merged.handle), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProSolidShrinkwrapCreate(pair, nullptr, nullptr, merged.handle), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProSolidShrinkwrapCreate(pair, assembly, nullptr, merged.handle), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProSolidShrinkwrapCreate(pair, pair, nullptr, merged.handle), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProSolidShrinkwrapCreate(pair, target, nullptr, faceted.handle), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProSolidShrinkwrapCreate(pair, nullptr, path.text, merged.handle), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProSolidShrinkwrapCreate(pair, nullptr, path.text, subset.handle),
              PRO_TK_UNSUPPORTED);
    // A part file needs a name that can be a model's.
    ASSERT_EQ(ProShrinkwrapoptionsFacetedformatSet(faceted.handle, PRO_SWFACETED_PART),
              PRO_TK_NO_ERROR);
    modeltest::Path spaced("two words.prt");
    EXPECT_EQ(ProSolidShrinkwrapCreate(pair, nullptr, spaced.text, faceted.handle),
              PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProSolidShrinkwrapCreate(empty, target, nullptr, merged.handle), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(ProSolidShrinkwrapCreate(nullptr, target, nullptr, merged.handle), PRO_TK_BAD_INPUTS);
    EXPECT_NEAR(volumeOf(target), 0.0, kVolumeTolerance);
}

}  // namespace
