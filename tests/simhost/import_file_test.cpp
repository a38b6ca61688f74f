// Import features from STEP and ACIS stand-in files: the file's solids join the part's
// geometry in the frame of a coordinate system, survive save and load, leave with their
// feature, and hostile or foreign files are refused without harm.
#include <ProCsys.h>
#include <ProFeature.h>
#include <ProImportfeat.h>
#include <ProSolid.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "import_helpers.h"

namespace {

using namespace importtest;
using testkit::BoxShape;

// A part with coordinate system 4 moved to (100, 0, 50) and turned a quarter about z:
// its x axis is the model's y.
const char* const kFrames = R"({
  "format": 1, "type": "PRT",
  "features": {"next_id": 30, "list": [
    {"id": 1, "type": 979, "name": "ACS0", "items": [{"id": 2, "type": 25}]},
    {"id": 3, "type": 979, "name": "TURNED", "items": [{"id": 4, "type": 25,
      "placement": {"origin": [100, 0, 50], "x": [0, 1, 0], "y": [-1, 0, 0], "z": [0, 0, 1]}}]}
  ]}
})";

const BoxShape kCube{{0, 0, 0}, {10, 10, 10}, false};
const BoxShape kSlab{{100, 0, 0}, {20, 5, 4}, false};
const BoxShape kBrick{{0, 0, 0}, {10, 20, 30}, false};
const BoxShape kHollow{{0, 0, 0}, {40, 40, 40}, true};

class ImportFileTest : public modeltest::ConnectedTest {
protected:
    void SetUp() override {
        ConnectedTest::SetUp();
        writeFile("frames.prt", kFrames);
        ProMdl model = nullptr;
        ASSERT_EQ(modeltest::load("frames.prt", &model), PRO_TK_NO_ERROR);
        part = static_cast<ProSolid>(model);
    }
    std::string at(const std::string& name) { return (workDir / name).string(); }
    ProError import(ProIntfType type, const std::string& file, ProCsys csys = nullptr) {
        FileSource source(type, file);
        return ProImportfeatCreate(part, &source.source, csys, nullptr, &feature);
    }

    ProSolid part = nullptr;
    ProFeature feature{};
};

TEST_F(ImportFileTest, StepSolidsBecomeAnImportFeatureWithTheFilesVolume) {
    REQUIRE_IMPORT_KERNEL();
    ASSERT_TRUE(testkit::writeStepSolids(at("two.stp"), {kCube, kSlab}));
    ASSERT_EQ(import(PRO_INTF_STEP, "two.stp"), PRO_TK_NO_ERROR);
    ProFeattype type = 0;
    EXPECT_EQ(ProFeatureTypeGet(&feature, &type), PRO_TK_NO_ERROR);
    EXPECT_EQ(type, 932);
    EXPECT_NEAR(volumeOf(part), boxVolume(kCube) + boxVolume(kSlab), kVolumeTolerance);
    expectBounds(boundsOf(part), {0, 0, 0}, {120, 10, 10});
    // A second import adds to the first (the two overlap completely: the union stays).
    ASSERT_EQ(import(PRO_INTF_STEP, at("two.stp")), PRO_TK_NO_ERROR);
    EXPECT_NEAR(volumeOf(part), boxVolume(kCube) + boxVolume(kSlab), kVolumeTolerance);
}

TEST_F(ImportFileTest, SolidsArePlacedInTheFrameOfTheCoordinateSystem) {
    REQUIRE_IMPORT_KERNEL();
    ASSERT_TRUE(testkit::writeStepSolids(at("brick.stp"), {kBrick}));
    ProCsys turned = nullptr;
    ASSERT_EQ(ProCsysInit(part, 4, &turned), PRO_TK_NO_ERROR);
    ASSERT_EQ(import(PRO_INTF_STEP, "brick.stp", turned), PRO_TK_NO_ERROR);
    // x of the brick (10) runs along the model's y, its y (20) against the model's x.
    expectBounds(boundsOf(part), {80, 0, 50}, {100, 10, 80});
    EXPECT_NEAR(volumeOf(part), boxVolume(kBrick), kVolumeTolerance);
}

TEST_F(ImportFileTest, AcisStandinSolidsKeepTheirCavities) {
    REQUIRE_IMPORT_KERNEL();
    ASSERT_TRUE(testkit::writeAcisStandin(at("hollow.sat"), {kHollow, kSlab}));
    ASSERT_EQ(import(PRO_INTF_ACIS, "hollow.sat"), PRO_TK_NO_ERROR);
    EXPECT_NEAR(volumeOf(part), boxVolume(kHollow) + boxVolume(kSlab), kVolumeTolerance);
}

TEST_F(ImportFileTest, ImportedSolidsSurviveSaveAndLoadAndLeaveWithTheirFeature) {
    REQUIRE_IMPORT_KERNEL();
    ASSERT_TRUE(testkit::writeStepSolids(at("brick.stp"), {kBrick}));
    ProCsys turned = nullptr;
    ASSERT_EQ(ProCsysInit(part, 4, &turned), PRO_TK_NO_ERROR);
    ASSERT_EQ(import(PRO_INTF_STEP, "brick.stp", turned), PRO_TK_NO_ERROR);
    ASSERT_EQ(ProMdlSave(part), PRO_TK_NO_ERROR);
    // The file no longer needs the STEP file.
    std::filesystem::remove(workDir / "brick.stp");
    ASSERT_EQ(ProMdlErase(part), PRO_TK_NO_ERROR);
    ProMdl loaded = nullptr;
    ASSERT_EQ(modeltest::load("frames.prt", &loaded), PRO_TK_NO_ERROR)
        << simhost::lastLoadDiagnostic();
    EXPECT_NEAR(volumeOf(loaded), boxVolume(kBrick), kVolumeTolerance);
    expectBounds(boundsOf(loaded), {80, 0, 50}, {100, 10, 80});
    // A copy holds a solid of its own: deleting the original's feature leaves it.
    ProMdl copy = nullptr;
    modeltest::Name copyName(L"FRAMES2");
    ASSERT_EQ(ProMdlCopy(loaded, copyName.text, &copy), PRO_TK_NO_ERROR);
    int id = feature.id;
    ASSERT_EQ(ProFeatureDelete(static_cast<ProSolid>(loaded), &id, 1, nullptr, 0), PRO_TK_NO_ERROR);
    EXPECT_NEAR(volumeOf(loaded), 0.0, kVolumeTolerance);
    EXPECT_NEAR(volumeOf(copy), boxVolume(kBrick), kVolumeTolerance);
    ASSERT_EQ(ProMdlSave(loaded), PRO_TK_NO_ERROR);
    EXPECT_EQ(readText("frames.prt").find("imported_solids"), std::string::npos);
}

TEST_F(ImportFileTest, MissingForeignAndMisplacedFilesAreRefused) {
    REQUIRE_IMPORT_KERNEL();
    EXPECT_EQ(import(PRO_INTF_STEP, "absent.stp"), PRO_TK_CANT_OPEN);
    EXPECT_EQ(import(PRO_INTF_ACIS, "absent.sat"), PRO_TK_CANT_OPEN);
    writeFile("words.stp", "this is no STEP file\n");
    EXPECT_EQ(import(PRO_INTF_STEP, "words.stp"), PRO_TK_INVALID_FILE);
    ASSERT_TRUE(testkit::writeStepSolids(at("cube.stp"), {kCube}));
    const std::string step = readText("cube.stp");
    writeFile("half.stp", step.substr(0, step.size() / 2));
    EXPECT_EQ(import(PRO_INTF_STEP, "half.stp"), PRO_TK_INVALID_FILE);
    std::filesystem::create_directory(workDir / "folder.stp");
    EXPECT_EQ(import(PRO_INTF_STEP, "folder.stp"), PRO_TK_CANT_OPEN);
    EXPECT_EQ(import(PRO_INTF_IGES, "cube.stp"), PRO_TK_UNSUPPORTED);
    // A STEP file is not an ACIS stand-in.
    EXPECT_EQ(import(PRO_INTF_ACIS, "cube.stp"), PRO_TK_INVALID_FILE);
    ProSolid assembly = nullptr;
    ProName name = L"FRAME";
    ASSERT_EQ(ProSolidCreate(name, PRO_ASSEMBLY, &assembly), PRO_TK_NO_ERROR);
    FileSource source(PRO_INTF_STEP, "cube.stp");
    EXPECT_EQ(ProImportfeatCreate(assembly, &source.source, nullptr, nullptr, &feature),
              PRO_TK_BAD_CONTEXT);
    ProCsys foreign = nullptr;
    ProMdl other = modeltest::create(L"OTHER");
    ASSERT_EQ(ProCsysInit(part, 4, &foreign), PRO_TK_NO_ERROR);
    EXPECT_EQ(ProImportfeatCreate(static_cast<ProSolid>(other), &source.source, foreign, nullptr,
                                  &feature),
              PRO_TK_BAD_INPUTS);
    EXPECT_NEAR(volumeOf(part), 0.0, kVolumeTolerance);
}

TEST_F(ImportFileTest, HostileAcisStandinsAreRefusedQuickly) {
    REQUIRE_IMPORT_KERNEL();
    ASSERT_TRUE(testkit::writeAcisStandin(at("good.sat"), {kCube}));
    const std::string good = readText("good.sat");
    const std::string body = good.substr(good.find("units mm\n") + 9);
    const std::string header = "SIMHOST-ACIS-STANDIN 1\nunits mm\n";
    writeFile("version.sat", "SIMHOST-ACIS-STANDIN 2\nunits mm\n" + body);
    writeFile("inches.sat", "SIMHOST-ACIS-STANDIN 1\nunits inch\n" + body);
    writeFile("headless.sat", body);
    writeFile("half.sat", header + body.substr(0, body.size() / 2));
    writeFile("empty.sat", "");
    std::string counted = body;
    const std::size_t shapes = counted.find("TShapes ");
    ASSERT_NE(shapes, std::string::npos);
    counted.replace(shapes, counted.find('\n', shapes) - shapes, "TShapes 4000000000");
    writeFile("counted.sat", header + counted);
    std::string noise = header;
    for (int i = 0; i < 2000; ++i) {
        noise += "Curves " + std::to_string(i) + " 1 0 0 \x01\x7f garbage\n";
    }
    writeFile("noise.sat", noise);
    for (const char* file : {"version.sat", "inches.sat", "headless.sat", "half.sat", "empty.sat",
                             "counted.sat", "noise.sat"}) {
        EXPECT_EQ(import(PRO_INTF_ACIS, file), PRO_TK_INVALID_FILE) << file;
    }
    // Larger than the host reads: refused before it is parsed.
    {
        std::ofstream big(workDir / "big.sat", std::ios::binary);
        big << header << body;
    }
    std::filesystem::resize_file(workDir / "big.sat", (std::uintmax_t{64} << 20) + 1);
    EXPECT_EQ(import(PRO_INTF_ACIS, "big.sat"), PRO_TK_INVALID_FILE);
    EXPECT_NEAR(volumeOf(part), 0.0, kVolumeTolerance);
    // The good file with Windows line ends still reads.
    std::string crlf;
    for (char c : good) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    writeFile("crlf.sat", crlf);
    EXPECT_EQ(import(PRO_INTF_ACIS, "crlf.sat"), PRO_TK_NO_ERROR);
    EXPECT_NEAR(volumeOf(part), boxVolume(kCube), kVolumeTolerance);
}

TEST_F(ImportFileTest, ModelFilesWithBrokenImportedSolidsAreInvalid) {
    REQUIRE_IMPORT_KERNEL();
    const std::string feature =
        R"("features": {"list": [{"id": 7, "type": 932, "name": "IMPORT0"}]})";
    writeFile("garbled.prt",
              "{" + feature + R"(, "imported_solids": [{"feature": 7, "brep": "xyz"}]})");
    writeFile("orphan.prt", R"({"imported_solids": [{"feature": 7, "brep": "xyz"}]})");
    writeFile("nobrep.prt", "{" + feature + R"(, "imported_solids": [{"feature": 7}]})");
    for (const char* file : {"garbled.prt", "orphan.prt", "nobrep.prt"}) {
        ProMdl model = nullptr;
        EXPECT_EQ(modeltest::load(file, &model), PRO_TK_INVALID_FILE) << file;
        EXPECT_NE(simhost::lastLoadDiagnostic().find("imported_solids"), std::string::npos)
            << simhost::lastLoadDiagnostic();
    }
}

}  // namespace
